#pragma once
// Writing draw files from the editor's rows, and the checks that keep a
// history readable by every tool: what Save accepts in a cell, what Import
// accepts as a draw history, and replacing a file without ever losing it.
#include "core/atomicwrite.h"
#include "core/drawfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace corvessa {

// The editor's columns, in grid order.
enum EditorColumn { kLabelColumn = 0, kHColumn = 1, kTColumn = 2, kUColumn = 3 };

// A row whose four cells are all empty or blank; it is never written.
bool isBlankEditorRow(const EditorRecord &row);

// The first cell that Save refuses: its place among `rows` (0-based) and a
// message for the user that names the row (counted from 1) and the column.
struct CellProblem {
  int row = 0;
  int column = 0;
  QString message;
};

// The bytes of a draw file for the editor's rows: one line "label H T U"
// with CR LF for each row that is not blank. An empty label or digit cell is
// written "0"; blanks around a cell's text are dropped. A label must be a
// whole number and a digit one figure 0 to 9; otherwise nothing is built and
// the first offending cell is returned.
struct DrawFileBuild {
  QByteArray bytes;
  std::optional<CellProblem> problem;
};
DrawFileBuild buildDrawFile(const std::vector<EditorRecord> &rows);

// Why these bytes are not a draw history (NUL bytes, or no record that reads
// as a draw), or nothing when they are.
std::optional<QString> drawHistoryContentProblem(QByteArrayView data);


}  // namespace corvessa
