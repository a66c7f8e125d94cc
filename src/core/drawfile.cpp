#include "core/drawfile.h"

#include "core/fieldreader.h"

#include <QFile>
#include <QFileInfo>
#include <limits>

namespace corvessa {

std::optional<std::int64_t> parseLabel(QByteArrayView field) {
  if (field.isEmpty())
    return std::nullopt;
  qsizetype i = 0;
  bool negative = false;
  if (field[0] == '+' || field[0] == '-') {
    negative = field[0] == '-';
    i = 1;
  }
  if (i >= field.size())
    return std::nullopt;
  std::uint64_t value = 0;
  const std::uint64_t limit = negative ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                       : std::uint64_t(std::numeric_limits<std::int64_t>::max());
  for (; i < field.size(); ++i) {
    const char c = field[i];
    if (c < '0' || c > '9')
      return std::nullopt;
    const unsigned digit = unsigned(c - '0');
    if (value > (limit - digit) / 10)
      return std::nullopt;
    value = value * 10 + digit;
  }
  if (negative)
    return value == limit ? std::numeric_limits<std::int64_t>::min() : -std::int64_t(value);
  return std::int64_t(value);
}

namespace {

// A digit field: one or more decimal figures whose value is 0 to 9.
std::optional<std::uint8_t> parseDigit(const FieldReader::Field &field) {
  if (!field.present || field.text.isEmpty())
    return std::nullopt;
  unsigned value = 0;
  for (char c : field.text) {
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + unsigned(c - '0');
    if (value > 9)
      return std::nullopt;
  }
  return std::uint8_t(value);
}

}  // namespace

DrawHistory parseDrawHistory(QByteArrayView data) {
  DrawHistory history;
  history.draws.reserve(std::size_t(data.size() / 10 + 1));
  FieldReader reader(data);
  while (!reader.atEnd()) {
    const FieldReader::Field label = reader.next();
    if (!label.present)
      break;
    const std::optional<std::int64_t> value = parseLabel(label.text);
    if (!value || *value == 0)
      break;
    const FieldReader::Field h = reader.next();
    const FieldReader::Field t = reader.next();
    const FieldReader::Field u = reader.next();
    const auto dh = parseDigit(h), dt = parseDigit(t), du = parseDigit(u);
    if (!dh || !dt || !du) {
      if (history.skippedCount++ == 0) {
        history.firstSkippedLine = label.line;
        history.firstSkippedText = QString::fromLatin1(reader.lineText(label.line));
      }
      continue;
    }
    history.draws.push_back(DrawRecord{*value, *dh, *dt, *du});
  }
  return history;
}

DrawHistory readDrawHistory(const QString &path) {
  QFile file(path);
  if (!QFileInfo(path).isFile()) {
    DrawHistory history;
    history.unreadable = true;
    history.unreadableReason = QStringLiteral("The file does not exist.");
    return history;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    DrawHistory history;
    history.unreadable = true;
    history.unreadableReason = file.errorString();
    return history;
  }
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    DrawHistory history;
    history.unreadable = true;
    history.unreadableReason = file.errorString();
    return history;
  }
  return parseDrawHistory(data);
}

QString drawHistoryProblem(const DrawHistory &history, const QString &path) {
  if (history.unreadable)
    return QStringLiteral("Cannot read the draw file %1: %2\nThe chart shows no draws.")
        .arg(path, history.unreadableReason);
  if (history.skippedCount > 0)
    return QStringLiteral("%1 record(s) of the draw file %2 are not draws (a digit missing or not 0 to 9) and were left out.\n"
                          "The first is on line %3: %4")
        .arg(history.skippedCount)
        .arg(path)
        .arg(history.firstSkippedLine)
        .arg(history.firstSkippedText);
  return {};
}

std::vector<EditorRecord> parseEditorRecords(QByteArrayView data) {
  std::vector<EditorRecord> records;
  FieldReader reader(data);
  while (!reader.atEnd()) {
    EditorRecord record;
    const FieldReader::Field first = reader.next();
    if (!first.present)
      break;  // only blanks were left
    record[0] = QString::fromLatin1(first.text);
    for (int i = 1; i < 4; ++i)
      record[std::size_t(i)] = QString::fromLatin1(reader.next().text);
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace corvessa
