#include "core/drawsave.h"

#include "core/fieldreader.h"

namespace corvessa {

namespace {

const char *const kColumnNames[4] = {"Date", "H", "T", "U"};

// Enough of a cell for its excerpt in a message.
constexpr qsizetype kExcerptRoom = 256;

const QString kNothingSaved = QStringLiteral("\r\nNothing was saved. Please correct the cell and save again.");

QString placeOf(int row, int column) {
  return QStringLiteral("Row %1, column %2").arg(row + 1).arg(QString::fromLatin1(kColumnNames[column]));
}

CellProblem cellProblem(int row, int column, const QString &text) {
  const QString rule = column == kLabelColumn
                           ? QStringLiteral("A date or issue number must be a whole number without blanks or commas.")
                           : QStringLiteral("H, T and U must each be a digit from 0 to 9.");
  return CellProblem{row, column,
                     placeOf(row, column) + QStringLiteral(" holds \"%1\".\r\n").arg(messageExcerpt(text)) + rule +
                         kNothingSaved};
}

CellProblem emptyCellProblem(int row, int column) {
  return CellProblem{row, column,
                     placeOf(row, column) +
                         QStringLiteral(" is empty.\r\nA draw needs its date or issue number and its three digits H, "
                                        "T and U; a row whose cells are all empty is not saved.") +
                         kNothingSaved};
}

// A row that shows blank but whose line the charts read as a record of
// empty fields: leaving it out would let the charts read on past it.
CellProblem separatorRowProblem(int row) {
  return CellProblem{row, kLabelColumn,
                     QStringLiteral("Row %1 shows no draw, but its line in the file holds commas or double quotes, "
                                    "which the charts read as a draw with an empty date: their draw history ends "
                                    "there.\r\nNothing was saved. Please delete the row, or type its draw, and save "
                                    "again.")
                         .arg(row + 1)};
}

}  // namespace

DrawFileBuild buildDrawFile(const EditorRows &rows) {
  DrawFileBuild build;
  std::array<QByteArray, 4> scratch;
  std::array<QByteArrayView, 4> cells;
  auto refuse = [&build](CellProblem problem) {
    build.problem = std::move(problem);
    build.bytes.clear();
    return std::move(build);
  };
  // A row of the file's separators alone, left out only when no draw follows it.
  std::optional<int> separatorRow;
  for (int r = 0; r < rows.rowCount(); ++r) {
    if (rows.isBlank(r)) {
      if (!separatorRow && rows.holdsOnlySeparators(r))
        separatorRow = r;
      continue;
    }
    if (separatorRow)
      return refuse(separatorRowProblem(*separatorRow));
    for (int c = 0; c < 4; ++c) {
      // A cell is written as its value, read as the charts read a field.
      const QByteArrayView cell = cells[std::size_t(c)] = fieldValue(rows.cellBytes(r, c, scratch[std::size_t(c)]));
      if (cell.isEmpty())
        return refuse(emptyCellProblem(r, c));
      if (c == kLabelColumn ? !parseLabel(cell) : !parseDigitValue(cell))
        return refuse(cellProblem(r, c, rows.textStart(r, c, kExcerptRoom)));
    }
    if (build.bytes.isEmpty())
      build.bytes.reserve(qsizetype(rows.rowCount() - r) * 16);
    build.bytes += cells[kLabelColumn];
    for (int c = kHColumn; c <= kUColumn; ++c) {
      build.bytes += ' ';
      const QByteArrayView digit = cells[std::size_t(c)];
      if (*parseDigitValue(digit) == 0)
        build.bytes += '0';
      else
        build.bytes += digit;
    }
    build.bytes += "\r\n";
  }
  return build;
}

std::optional<QString> drawHistoryContentProblem(QByteArrayView data) {
  if (data.contains('\0'))
    return QStringLiteral("The file holds NUL bytes, so it is not a text file of draws.");
  FieldReader reader(data);
  while (!reader.atEnd()) {
    const FieldReader::Field label = reader.next();
    if (!label.present)
      break;
    const FieldReader::Field h = reader.next(), t = reader.next(), u = reader.next();
    const std::optional<std::int64_t> value = parseLabel(label.text);
    if (value && *value != 0 && parseDigitValue(h.text) && parseDigitValue(t.text) && parseDigitValue(u.text))
      return std::nullopt;
  }
  return QStringLiteral("No line of the file reads as a draw (a date or issue number, then three digits from 0 "
                        "to 9).");
}

}  // namespace corvessa
