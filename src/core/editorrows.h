#pragma once
// The draw editor's rows: one row per line of the lottery's file, each of
// four cells (label, H, T, U). A line's fields fill its row in order, read
// by the field reader as the charts read them; a blank line is a blank row;
// a line of fewer than four fields leaves the rest of its row empty; empty
// fields at the end of a line are dropped ("1 2 3 4," is a whole row), and
// a line of more keeps the rest of the line in its last cell, so nothing of
// the file is lost.
//
// Rows are held compactly, as the charts hold their cells: the file's bytes
// once, and for each row eight bytes naming its line. A row the user has
// typed into is kept beside them as four texts; a blank row added by the
// user names an empty line. A line is split into its cells when a cell is
// read; the last line read is kept split, so reading a row cell by cell
// splits it once, however long its line.
#include "core/drawfile.h"
#include "core/largearray.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace corvessa {

// A row's cells, as the user typed them.
using EditorRecord = std::array<QString, 4>;

class EditorRows {
 public:
  EditorRows() = default;
  // One row per line of `file` (a line ends at CR LF, LF or CR; a UTF-8
  // byte-order mark at its start is no part of the first line). A file
  // longer than 4 GiB is refused with std::length_error; running out of
  // memory throws std::bad_alloc.
  explicit EditorRows(QByteArray file);

  int rowCount() const { return int(rows_.size()); }

  // What the charts' reading of the file as it was given says about it (the
  // records it leaves out, where it ends; see parseDrawHistoryNotes). The
  // lines were checked for the usual record's shape as they were split, so
  // only the lines from the first of another shape on are read again.
  DrawHistory chartNotes() const;

  // A cell's whole text; at most its first `count` characters.
  QString text(int row, int column) const;
  QString textStart(int row, int column, qsizetype count) const;
  // A cell's bytes as Save writes them (Latin-1, as the file is read): a
  // view of the file's bytes, or of `scratch` for a typed text.
  QByteArrayView cellBytes(int row, int column, QByteArray &scratch) const;
  // No cell holds a value (see fieldValue): all empty or blanks.
  bool isBlank(int row) const;
  // A blank row read from a line that is not blank but holds commas or
  // double quotes (",,,"): to the charts a record of empty fields, which
  // ends their draw history there, as a blank line does.
  bool holdsOnlySeparators(int row) const;

  void setText(int row, int column, const QString &text);
  // Room for one more row: after it, insertBlankRow takes no memory.
  void makeRoomForRow();
  void insertBlankRow(int row);  // before `row`; rowCount() appends
  void removeRow(int row);
  void clearRow(int row);

 private:
  // A line of the file (its start and length), or a typed row: then
  // `start` is its place in typed_.
  struct Row {
    std::uint32_t start = 0, length = 0;
  };
  static constexpr std::uint32_t kTyped = UINT32_MAX;
  using LineCells = std::array<QByteArrayView, 4>;

  const LineCells &lineCells(Row row) const;
  void releaseTyped(Row row);

  QByteArray file_;
  LargeArray<Row> rows_;
  // Where in file_ the first line that is not a record of the usual shape
  // starts (its size when there is none), and that line's number.
  qsizetype irregularFrom_ = 0;
  std::int64_t irregularLine_ = 1;
  std::vector<EditorRecord> typed_;
  std::vector<std::uint32_t> freeTyped_;  // places in typed_ no row names
  mutable Row splitRow_{0, kTyped};       // the line split last, and its cells
  mutable LineCells splitCells_;
};

}  // namespace corvessa
