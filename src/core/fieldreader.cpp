#include "core/fieldreader.h"

namespace corvessa {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView withoutByteOrderMark(QByteArrayView data) {
  return data.startsWith("\xEF\xBB\xBF") ? data.sliced(3) : data;
}
}  // namespace

FieldReader::FieldReader(QByteArrayView data, std::int64_t firstLine)
    : data_(withoutByteOrderMark(data)), firstLine_(firstLine), line_(firstLine) {}

FieldReader FieldReader::ofPart(QByteArrayView part, std::int64_t firstLine) {
  return FieldReader(part, firstLine, WholeData{});
}

void FieldReader::skipBlanks() {
  while (pos_ < data_.size() && isBlank(data_[pos_]))
    ++pos_;
}

bool FieldReader::atLineEnd() const {
  return pos_ < data_.size() && (data_[pos_] == '\r' || data_[pos_] == '\n');
}

void FieldReader::consumeLineEnd() {
  if (pos_ >= data_.size())
    return;
  if (data_[pos_] == '\r') {
    ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n')
      ++pos_;
  } else if (data_[pos_] == '\n') {
    ++pos_;
  }
  ++line_;
}

// After a field: trailing blanks, then at most one comma or one line end.
void FieldReader::consumeSeparator() {
  skipBlanks();
  if (pos_ >= data_.size())
    return;
  if (data_[pos_] == ',')
    ++pos_;
  else if (atLineEnd())
    consumeLineEnd();
}

FieldReader::Field FieldReader::next() {
  Field field;
  skipBlanks();
  if (pos_ >= data_.size())
    return field;
  field.present = true;
  field.line = line_;
  const char c = data_[pos_];
  if (c == ',') {
    ++pos_;
    return field;
  }
  if (c == '\r' || c == '\n') {
    consumeLineEnd();
    return field;
  }
  if (c == '"') {
    const qsizetype start = ++pos_;
    while (pos_ < data_.size() && data_[pos_] != '"' && data_[pos_] != '\r' && data_[pos_] != '\n')
      ++pos_;
    field.text = data_.sliced(start, pos_ - start);
    if (pos_ < data_.size() && data_[pos_] == '"')
      ++pos_;
    consumeSeparator();
    return field;
  }
  const qsizetype start = pos_;
  while (pos_ < data_.size()) {
    const char d = data_[pos_];
    if (isBlank(d) || d == ',' || d == '\r' || d == '\n')
      break;
    ++pos_;
  }
  field.text = data_.sliced(start, pos_ - start);
  consumeSeparator();
  return field;
}

qsizetype FieldReader::lineStart(std::int64_t line) const {
  std::int64_t current = firstLine_;
  qsizetype i = 0;
  while (i < data_.size() && current < line) {
    if (data_[i] == '\r') {
      if (i + 1 < data_.size() && data_[i + 1] == '\n')
        ++i;
      ++current;
    } else if (data_[i] == '\n') {
      ++current;
    }
    ++i;
  }
  return current < line ? data_.size() : i;
}

QByteArray FieldReader::lineText(std::int64_t line) const {
  const qsizetype start = lineStart(line);
  qsizetype end = start;
  while (end < data_.size() && data_[end] != '\r' && data_[end] != '\n')
    ++end;
  return data_.sliced(start, end - start).toByteArray();
}

bool FieldReader::hasTextAfterLine(std::int64_t line) const {
  for (qsizetype i = lineStart(line + 1); i < data_.size(); ++i) {
    const char c = data_[i];
    if (!isBlank(c) && c != ',' && c != '\r' && c != '\n')
      return true;
  }
  return false;
}

}  // namespace corvessa
