#include "core/drawsave.h"

#include "core/fieldreader.h"


namespace corvessa {

namespace {

const char *const kColumnNames[4] = {"Date", "H", "T", "U"};

bool isOneDigit(const QString &text) { return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9'; }

CellProblem cellProblem(int row, int column, const QString &text) {
  const QString place = QStringLiteral("Row %1, column %2 holds \"%3\".")
                            .arg(row + 1)
                            .arg(QString::fromLatin1(kColumnNames[column]), messageExcerpt(text));
  const QString rule = column == kLabelColumn
                           ? QStringLiteral("A date or issue number must be a whole number without blanks or "
                                            "commas, or empty.")
                           : QStringLiteral("H, T and U must each be one digit from 0 to 9, or empty.");
  return CellProblem{row, column,
                     place + QStringLiteral("\r\n") + rule +
                         QStringLiteral("\r\nNothing was saved. Please correct the cell and save again.")};
}

}  // namespace

bool isBlankEditorRow(const EditorRecord &row) {
  for (const QString &cell : row)
    if (!cell.trimmed().isEmpty())
      return false;
  return true;
}

DrawFileBuild buildDrawFile(const std::vector<EditorRecord> &rows) {
  DrawFileBuild build;
  build.bytes.reserve(qsizetype(rows.size()) * 16);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const EditorRecord &row = rows[r];
    if (isBlankEditorRow(row))
      continue;
    const QString label = row[kLabelColumn].trimmed();
    if (label.isEmpty()) {
      build.bytes += '0';
    } else {
      // Non-Latin-1 characters become '?', which no whole number holds.
      const QByteArray bytes = label.toLatin1();
      if (!parseLabel(bytes)) {
        build.problem = cellProblem(int(r), kLabelColumn, row[kLabelColumn]);
        build.bytes.clear();
        return build;
      }
      build.bytes += bytes;
    }
    for (int c = kHColumn; c <= kUColumn; ++c) {
      const QString digit = row[std::size_t(c)].trimmed();
      build.bytes += ' ';
      if (digit.isEmpty()) {
        build.bytes += '0';
      } else if (isOneDigit(digit)) {
        build.bytes += char(digit[0].unicode());
      } else {
        build.problem = cellProblem(int(r), c, row[std::size_t(c)]);
        build.bytes.clear();
        return build;
      }
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
