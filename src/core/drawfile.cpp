#include "core/drawfile.h"

#include "core/fieldreader.h"
#include "core/filedescriptor.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace corvessa {

QByteArrayView fieldValue(QByteArrayView field) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!field.isEmpty() && blank(field.front()))
    field = field.sliced(1);
  while (!field.isEmpty() && blank(field.back()))
    field.chop(1);
  return field;
}

std::optional<std::int64_t> parseLabel(QByteArrayView text) {
  const QByteArrayView field = fieldValue(text);
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

std::optional<std::uint8_t> parseDigitValue(QByteArrayView text) {
  const QByteArrayView field = fieldValue(text);
  // [sign] figures [. figures] [e|E [sign] figures], with at least one figure
  // before the exponent. The value is judged exactly, not through a double:
  // a whole digit has at most one figure other than 0, and that figure's
  // power of ten, with the exponent, comes to 0.
  const qsizetype n = field.size();
  qsizetype i = 0;
  bool negative = false;
  if (i < n && (field[i] == '+' || field[i] == '-'))
    negative = field[i++] == '-';
  qsizetype point = -1, figures = 0, nonZero = -1;
  for (; i < n; ++i) {
    const char c = field[i];
    if (c == '.') {
      if (point >= 0)
        return std::nullopt;
      point = i;
    } else if (c >= '0' && c <= '9') {
      ++figures;
      if (c != '0') {
        if (nonZero >= 0)
          return std::nullopt;  // two figures other than 0: never a single digit
        nonZero = i;
      }
    } else {
      break;
    }
  }
  if (figures == 0)
    return std::nullopt;
  if (point < 0)
    point = i;
  std::int64_t exponent = 0;
  if (i < n && (field[i] == 'e' || field[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (field[i] == '+' || field[i] == '-'))
      negativeExponent = field[i++] == '-';
    const qsizetype start = i;
    // Capped far beyond any power a field's length can make up for.
    for (; i < n && field[i] >= '0' && field[i] <= '9'; ++i)
      exponent = std::min<std::int64_t>(exponent * 10 + (field[i] - '0'), std::int64_t(1) << 48);
    if (i == start)
      return std::nullopt;
    if (negativeExponent)
      exponent = -exponent;
  }
  if (i != n)
    return std::nullopt;
  if (nonZero < 0)
    return std::uint8_t(0);  // zero, whatever its sign and exponent
  const std::int64_t power = nonZero < point ? std::int64_t(point - nonZero - 1) : -std::int64_t(nonZero - point);
  if (negative || power + exponent != 0)
    return std::nullopt;
  return std::uint8_t(field[nonZero] - '0');
}

namespace {

QString lineExcerpt(const FieldReader &reader, std::int64_t line) {
  return messageExcerpt(QString::fromLatin1(reader.lineText(line)));
}

std::optional<std::uint8_t> parseDigit(const FieldReader::Field &field) {
  if (!field.present)
    return std::nullopt;
  return parseDigitValue(field.text);
}

}  // namespace

namespace {

// One record through the field reader, the reading every record of any shape
// gets; false once the history has ended.
template <typename Keep>
bool readGeneralRecord(FieldReader &reader, DrawHistory &history, Keep &keep) {
  const FieldReader::Field label = reader.next();
  if (!label.present)
    return false;
  const std::optional<std::int64_t> value = parseLabel(label.text);
  if (!value || *value == 0) {
    if (reader.hasTextAfterLine(label.line)) {
      history.endLine = label.line;
      history.endText = lineExcerpt(reader, label.line);
    }
    return false;
  }
  const FieldReader::Field h = reader.next();
  const FieldReader::Field t = reader.next();
  const FieldReader::Field u = reader.next();
  const auto dh = parseDigit(h), dt = parseDigit(t), du = parseDigit(u);
  if (!dh || !dt || !du) {
    if (history.skippedCount++ == 0) {
      history.firstSkippedLine = label.line;
      history.firstSkippedText = lineExcerpt(reader, label.line);
    }
    return true;
  }
  keep(DrawRecord{*value, *dh, *dt, *du});
  return true;
}

// The longest label the quick reading takes: 18 figures always fit 64 bits.
constexpr int kPlainLabelFigures = 18;

// Reads lines of the one shape Corvessa writes from `pos` (a line start) on,
// "label H T U" with a label of figures that does not start with 0 and one
// figure a digit, each line ending in CR LF, LF, CR or the end of the data:
// each such line is one whole record to the field reader too, read here with
// no field of its own. Returns where the first line of another shape starts,
// `line` its number.
template <typename Keep>
qsizetype readPlainRecords(QByteArrayView data, qsizetype pos, std::int64_t &line, Keep &keep) {
  const char *const begin = data.data();
  const char *const end = begin + data.size();
  const char *p = begin + pos;
  std::int64_t lines = 0;
  while (p < end) {
    const char *q = p;
    if (unsigned(*q - '1') > 8u)
      break;
    std::uint64_t label = std::uint64_t(*q++ - '0');
    const char *const figuresEnd = end - q > kPlainLabelFigures - 1 ? q + (kPlainLabelFigures - 1) : end;
    while (q < figuresEnd && unsigned(*q - '0') <= 9u)
      label = label * 10 + std::uint64_t(*q++ - '0');
    if (end - q < 6 || q[0] != ' ' || q[2] != ' ' || q[4] != ' ')
      break;
    const unsigned h = unsigned(q[1] - '0'), t = unsigned(q[3] - '0'), u = unsigned(q[5] - '0');
    if ((h > 9u) | (t > 9u) | (u > 9u))
      break;
    q += 6;
    if (q < end) {
      if (*q == '\r')
        q += q + 1 < end && q[1] == '\n' ? 2 : 1;
      else if (*q == '\n')
        ++q;
      else
        break;
    }
    keep(DrawRecord{std::int64_t(label), std::uint8_t(h), std::uint8_t(t), std::uint8_t(u)});
    ++lines;
    p = q;
  }
  line += lines;
  return p - begin;
}

// The charts' reading of `data` (without a byte-order mark) from `pos`, a
// line start of line `line`; `keep` takes each draw. Lines of the usual shape
// are read quickly; from any other line the field reader reads records (a
// short one lends fields from the next line) until a record ends where a
// line ends, and the quick reading goes on from there. With `quick` false
// every record goes through the field reader: the reading the quick one must
// equal.
template <typename Keep>
void readDrawRecords(QByteArrayView data, qsizetype pos, std::int64_t line, DrawHistory &history, Keep keep,
                     bool quick = true) {
  for (;;) {
    if (quick)
      pos = readPlainRecords(data, pos, line, keep);
    if (pos >= data.size())
      return;
    FieldReader reader = FieldReader::ofPart(data.sliced(pos), line);
    do {
      if (!readGeneralRecord(reader, history, keep))
        return;
    } while (!quick || (!reader.atEnd() && !reader.atLineStart()));
    pos += reader.position();
    line = reader.line();
  }
}

QByteArrayView withoutByteOrderMark(QByteArrayView data) {
  return data.startsWith("\xEF\xBB\xBF") ? data.sliced(3) : data;
}

DrawHistory readHistory(QByteArrayView data, bool quick) {
  DrawHistory history;
  history.draws.reserve(std::size_t(data.size() / 10 + 1));
  readDrawRecords(
      withoutByteOrderMark(data), 0, 1, history, [&history](const DrawRecord &draw) { history.draws.push_back(draw); },
      quick);
  return history;
}

}  // namespace

DrawHistory parseDrawHistory(QByteArrayView data) { return readHistory(data, true); }

DrawHistory parseDrawHistoryByFields(QByteArrayView data) { return readHistory(data, false); }

bool isPlainDrawRecord(QByteArrayView line) {
  std::int64_t lines = 0;
  const auto ignore = [](const DrawRecord &) {};
  return !line.isEmpty() && readPlainRecords(line, 0, lines, ignore) == line.size() && lines == 1;
}

DrawHistory parseDrawHistoryNotes(QByteArrayView data) { return parseDrawHistoryNotes(withoutByteOrderMark(data), 1); }

DrawHistory parseDrawHistoryNotes(QByteArrayView rest, std::int64_t line) {
  DrawHistory history;
  readDrawRecords(rest, 0, line, history, [](const DrawRecord &) {});
  return history;
}

namespace {

QString tooLong(std::optional<qint64> size, qint64 maxBytes) {
  const QString limit = QStringLiteral("%1 bytes (%2)").arg(
      QString::number(maxBytes), maxBytes >= (1 << 20) ? QStringLiteral("%1 MB").arg(maxBytes >> 20)
                                                       : QStringLiteral("%1 KB").arg(maxBytes >> 10));
  if (!size)  // it grew while it was read
    return QStringLiteral("It is longer than the %1 that Corvessa reads from such a file.").arg(limit);
  return QStringLiteral("It is %1 bytes long, more than the %2 that Corvessa reads from such a file.")
      .arg(QString::number(*size), limit);
}

}  // namespace

FileContent readWholeFile(const QString &path, qint64 maxBytes) {
  FileContent content;
  const QByteArray name = QFile::encodeName(path);
  // Without O_NONBLOCK, opening a pipe for reading waits for a writer, forever.
  const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) {
    const int error = errno;
    struct stat there {};
    if (::stat(name.constData(), &there) == 0 || ::lstat(name.constData(), &there) == 0)
      content.stamp = fileStamp(there);
    if (error == ENOENT) {
      content.missing = !content.stamp.exists;
      content.error = QStringLiteral("The file does not exist.");
    } else {
      content.error = qt_error_string(error);
    }
    return content;
  }
  // The type and size of what was opened, not of what a name pointed to a moment earlier.
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    content.error = qt_error_string(errno);
    return content;
  }
  content.stamp = fileStamp(info);
  if (!S_ISREG(info.st_mode)) {
    content.error = QStringLiteral("It is not a file.");
    return content;
  }
  if (info.st_size > maxBytes) {
    content.error = tooLong(qint64(info.st_size), maxBytes);
    return content;
  }
  const int flags = ::fcntl(file.get(), F_GETFL);
  if (flags != -1)
    ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);
  try {
    // One byte more than the size, to see a file that grew meanwhile; never
    // more than one byte beyond the limit.
    QByteArray data(qsizetype(std::min<qint64>(info.st_size, maxBytes) + 1), Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
      if (got == data.size()) {
        if (got > maxBytes)
          break;
        data.resize(qsizetype(std::min<qint64>(maxBytes + 1, 2 * got)));
      }
      const ssize_t n = ::read(file.get(), data.data() + got, std::size_t(data.size() - got));
      if (n < 0) {
        if (errno == EINTR)
          continue;
        content.error = qt_error_string(errno);
        return content;
      }
      if (n == 0)
        break;
      got += n;
    }
    if (got > maxBytes) {
      content.error = tooLong(std::nullopt, maxBytes);
      return content;
    }
    data.truncate(qsizetype(got));
    content.data = std::move(data);
  } catch (const std::bad_alloc &) {
    content.error = QStringLiteral("There is not enough memory to read its %1 bytes.").arg(qint64(info.st_size));
  }
  return content;
}

DrawHistory readDrawHistory(const QString &path) {
  const FileContent file = readWholeFile(path);
  if (file.error) {
    DrawHistory history;
    history.unreadable = true;
    history.unreadableReason = *file.error;
    return history;
  }
  try {
    return parseDrawHistory(file.data);
  } catch (const std::bad_alloc &) {
    DrawHistory history;
    history.unreadable = true;
    history.unreadableReason = QStringLiteral("There is not enough memory to read its draws.");
    return history;
  }
}

QString messageExcerpt(const QString &text, qsizetype limit) {
  if (text.size() <= limit)
    return text;
  return text.left(limit) + QChar(0x2026);
}

QString drawHistoryEndNote(const DrawHistory &history, const QString &path) {
  if (history.endLine == 0)
    return {};
  return QStringLiteral("The draw history of %1 ends at line %2, whose date or issue number is empty, 0 or not a "
                        "whole number: \"%3\"\nThe lines after it are not read as draws.")
      .arg(path, QString::number(history.endLine), history.endText);
}

QString drawHistoryProblem(const DrawHistory &history, const QString &path) {
  if (history.unreadable)
    return QStringLiteral("Cannot read the draw file %1: %2\nThe chart shows no draws.")
        .arg(path, history.unreadableReason);
  QStringList parts;
  if (history.skippedCount > 0)
    parts << QStringLiteral("%1 record(s) of the draw file %2 are not draws (a digit missing or not 0 to 9) and were "
                            "left out.\nThe first is on line %3: %4")
                 .arg(QString::number(history.skippedCount), path, QString::number(history.firstSkippedLine),
                      history.firstSkippedText);
  if (history.endLine > 0)
    parts << drawHistoryEndNote(history, path);
  return parts.join(QStringLiteral("\n\n"));
}

}  // namespace corvessa
