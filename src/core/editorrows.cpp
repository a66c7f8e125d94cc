#include "core/editorrows.h"

#include "core/fieldreader.h"

#include <cstring>
#include <stdexcept>

namespace corvessa {

namespace {

// Calls `line(start, length)` for each line of data[from, n).
template <typename Line>
void forEachLine(const char *data, qsizetype from, qsizetype n, Line line) {
  qsizetype start = from;
  for (qsizetype i = from; i < n; ++i) {
    const char c = data[i];
    if (c != '\r' && c != '\n')
      continue;
    line(start, i - start);
    if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  if (start < n)
    line(start, n - start);
}

}  // namespace

EditorRows::EditorRows(QByteArray file) : file_(std::move(file)) {
  if (file_.size() >= qsizetype(kTyped))
    throw std::length_error("a draw file of 4 GiB or more");
  const char *data = file_.constData();
  const qsizetype n = file_.size();
  const qsizetype from = file_.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  // A line ends at LF, or at CR not before LF; the last may end without
  // either. The counts are plain passes the compiler makes wide.
  std::size_t lineFeeds = 0, carriageReturns = 0, pairs = 0;
  for (qsizetype i = from; i < n; ++i) {
    lineFeeds += data[i] == '\n';
    carriageReturns += data[i] == '\r';
  }
  for (qsizetype i = from; i + 1 < n; ++i)
    pairs += (data[i] == '\r') & (data[i + 1] == '\n');
  const bool lastEnded = n == from || data[n - 1] == '\n' || data[n - 1] == '\r';
  // Room for the spare row and a few more without moving the table.
  rows_.reserve(lineFeeds + carriageReturns - pairs + (lastEnded ? 0 : 1) + 16);
  // The lines of the usual shape at the file's start are each one record of
  // the charts' reading: told while the line is at hand, they are not read again.
  std::size_t plainLines = 0;
  const auto add = [this, data, &plainLines](qsizetype start, qsizetype length) {
    if (plainLines == rows_.size() && isPlainDrawRecord(QByteArrayView(data + start, length)))
      ++plainLines;
    rows_.push_back(Row{std::uint32_t(start), std::uint32_t(length)});
  };
  if (carriageReturns != pairs) {
    forEachLine(data, from, n, add);
  } else {
    // Every CR stands before an LF: the lines are found by their LFs.
    for (qsizetype start = from; start < n;) {
      const void *lineFeed = std::memchr(data + start, '\n', std::size_t(n - start));
      const qsizetype end = lineFeed ? static_cast<const char *>(lineFeed) - data : n;
      add(start, end > start && data[end - 1] == '\r' ? end - start - 1 : end - start);
      start = end + 1;
    }
  }
  irregularFrom_ = plainLines < rows_.size() ? qsizetype(rows_[plainLines].start) : n;
  irregularLine_ = std::int64_t(plainLines) + 1;
}

DrawHistory EditorRows::chartNotes() const {
  if (irregularFrom_ >= file_.size())
    return {};
  return parseDrawHistoryNotes(QByteArrayView(file_).sliced(irregularFrom_), irregularLine_);
}

const EditorRows::LineCells &EditorRows::lineCells(Row row) const {
  if (row.start == splitRow_.start && row.length == splitRow_.length)
    return splitCells_;
  const QByteArrayView line = QByteArrayView(file_).sliced(row.start, row.length);
  LineCells cells;
  FieldReader reader = FieldReader::ofPart(line);
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const qsizetype rest = reader.position();
    const FieldReader::Field field = reader.next();
    if (!field.present)
      break;
    cells[c] = field.text;
    if (c + 1 < cells.size())
      continue;
    // More fields than cells: empty ones at the line's end are dropped
    // ("1 2 3 4," is a whole row); otherwise the last cell keeps the rest of
    // the line, so nothing is lost.
    for (FieldReader::Field more = reader.next(); more.present; more = reader.next())
      if (!fieldValue(more.text).isEmpty()) {
        cells[c] = fieldValue(line.sliced(rest));
        break;
      }
  }
  splitRow_ = row;
  splitCells_ = cells;
  return splitCells_;
}

QString EditorRows::text(int row, int column) const {
  const Row r = rows_[std::size_t(row)];
  if (r.length == kTyped)
    return typed_[r.start][std::size_t(column)];
  return QString::fromLatin1(lineCells(r)[std::size_t(column)]);
}

QString EditorRows::textStart(int row, int column, qsizetype count) const {
  const Row r = rows_[std::size_t(row)];
  if (r.length == kTyped)
    return typed_[r.start][std::size_t(column)].left(count);
  const QByteArrayView cell = lineCells(r)[std::size_t(column)];
  return QString::fromLatin1(cell.first(std::min(count, cell.size())));
}

QByteArrayView EditorRows::cellBytes(int row, int column, QByteArray &scratch) const {
  const Row r = rows_[std::size_t(row)];
  if (r.length != kTyped)
    return lineCells(r)[std::size_t(column)];
  // Characters beyond Latin-1 become '?', which no label or digit holds.
  scratch = typed_[r.start][std::size_t(column)].toLatin1();
  return scratch;
}

bool EditorRows::isBlank(int row) const {
  QByteArray scratch;
  for (int c = 0; c < 4; ++c)
    if (!fieldValue(cellBytes(row, c, scratch)).isEmpty())
      return false;
  return true;
}

bool EditorRows::holdsOnlySeparators(int row) const {
  const Row r = rows_[std::size_t(row)];
  if (r.length == kTyped || !isBlank(row))
    return false;
  const QByteArrayView line = QByteArrayView(file_).sliced(r.start, r.length);
  return line.contains(',') || line.contains('"');
}

void EditorRows::setText(int row, int column, const QString &text) {
  Row &r = rows_[std::size_t(row)];
  if (r.length != kTyped) {
    EditorRecord typed;
    const LineCells &cells = lineCells(r);
    for (std::size_t c = 0; c < typed.size(); ++c)
      typed[c] = QString::fromLatin1(cells[c]);
    std::uint32_t place = 0;
    if (!freeTyped_.empty()) {
      place = freeTyped_.back();
      typed_[place] = std::move(typed);
      freeTyped_.pop_back();
    } else {
      place = std::uint32_t(typed_.size());
      typed_.push_back(std::move(typed));
    }
    r = Row{place, kTyped};
  }
  typed_[r.start][std::size_t(column)] = text;
}

void EditorRows::makeRoomForRow() {
  if (rows_.size() == rows_.capacity())
    rows_.reserve(rows_.capacity() + rows_.capacity() / 8 + 16);
}

void EditorRows::insertBlankRow(int row) {
  makeRoomForRow();
  const std::size_t at = std::size_t(row), after = rows_.size() - at;
  rows_.push_back(Row{});
  if (after > 0)
    std::memmove(static_cast<void *>(rows_.data() + at + 1), rows_.data() + at, after * sizeof(Row));
  rows_[at] = Row{0, 0};  // an empty line
}

void EditorRows::releaseTyped(Row row) {
  if (row.length != kTyped)
    return;
  typed_[row.start] = EditorRecord{};
  freeTyped_.push_back(row.start);
}

void EditorRows::removeRow(int row) {
  const std::size_t at = std::size_t(row);
  if (at >= rows_.size())
    return;
  releaseTyped(rows_[at]);
  const std::size_t after = rows_.size() - at - 1;
  if (after > 0)
    std::memmove(static_cast<void *>(rows_.data() + at), rows_.data() + at + 1, after * sizeof(Row));
  rows_.resize(rows_.size() - 1);
}

void EditorRows::clearRow(int row) {
  releaseTyped(rows_[std::size_t(row)]);
  rows_[std::size_t(row)] = Row{0, 0};
}

}  // namespace corvessa
