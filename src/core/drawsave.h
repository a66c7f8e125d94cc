#pragma once
// Writing draw files from the editor's rows, and the checks that keep a
// history readable by every tool: what Save accepts in a cell, what Import
// accepts as a draw history, and replacing a file without ever losing it.
#include "core/atomicwrite.h"
#include "core/drawfile.h"
#include "core/editorrows.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace corvessa {

// The editor's columns, in grid order.
enum EditorColumn { kLabelColumn = 0, kHColumn = 1, kTColumn = 2, kUColumn = 3 };

// The first cell that Save refuses: its place among `rows` (0-based) and a
// message for the user that names the row (counted from 1) and the column.
struct CellProblem {
  int row = 0;
  int column = 0;
  QString message;
};

// The bytes of a draw file for the editor's rows: one line "label H T U"
// with CR LF for each row that is not blank (no cell holds a value), so no
// draw is invented and none is dropped. Every cell of such a row must be
// filled: a label with a whole number, a digit with a number that every
// reader takes as a digit 0 to 9 ("5", "05", "+5", "5.0"). A cell is read
// as the charts read a field (fieldValue: blanks around its text are no part
// of it) and written as that value, a digit of value 0 as "0": the charts
// read the line written as they read the row's line before. A blank row
// whose line held commas or quotes (",,,"), which ends the charts' history,
// is left out only when no draw follows it. Otherwise nothing is built and
// the first cell or row refused, in row order, is returned.
struct DrawFileBuild {
  QByteArray bytes;
  std::optional<CellProblem> problem;
};
DrawFileBuild buildDrawFile(const EditorRows &rows);

// Why these bytes are not a draw history (NUL bytes, or no record that reads
// as a draw), or nothing when they are.
std::optional<QString> drawHistoryContentProblem(QByteArrayView data);


}  // namespace corvessa
