#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace corvessa {

// Free-format field input over the bytes of a text file, the one reading of
// the draw file's fields that the charts and the draw editor share.
// - A UTF-8 byte-order mark at the start (a file saved by a Windows editor)
//   is not text: no part of the first field.
// - CR LF, LF and a lone CR each end a line.
// - Fields are separated by blanks (space, tab), commas and line ends; one
//   comma or one line end after a field (and the blanks around it) is that
//   field's separator. An empty line, or two commas in a row, give an empty
//   field, so a short line lends its missing fields from the next line.
// - A field in double quotes runs to its closing quote or its line end,
//   whichever comes first; the quotes are no part of its text.
// A field's text may keep blanks inside quotes; its value is read by
// fieldValue (drawfile.h), which every reader uses.
// Lines are counted in 64 bits: a file of more than 2^31 lines is no reason
// for the count to go wrong.
class FieldReader {
 public:
  struct Field {
    QByteArrayView text;  // points into the reader's data
    bool present = false;  // false once the data has ended
    std::int64_t line = 0;  // 1-based line the field starts on
  };

  // `firstLine`: the number of the data's first line, for data that is the
  // rest of a longer text.
  explicit FieldReader(QByteArrayView data, std::int64_t firstLine = 1);

  // A reader of a part of a longer text that starts at the start of a line
  // (`firstLine`): a byte-order mark there is text, as it is to a reader of
  // the whole text.
  static FieldReader ofPart(QByteArrayView part, std::int64_t firstLine = 1);

  // True when nothing but the end of the data is left.
  bool atEnd() const { return pos_ >= data_.size(); }
  Field next();
  // Where the next field's reading starts, as an offset into the data.
  qsizetype position() const { return pos_; }
  // The line the reading stands on, and whether it stands at its start: a
  // reader ofPart() of the rest from there reads on as this one would.
  std::int64_t line() const { return line_; }
  bool atLineStart() const { return pos_ == 0 || data_[pos_ - 1] == '\r' || data_[pos_ - 1] == '\n'; }

  // The text of a 1-based line, without its line end (for messages).
  QByteArray lineText(std::int64_t line) const;

  // True when a line after this 1-based line holds a field with text: more
  // than blanks, commas and line ends.
  bool hasTextAfterLine(std::int64_t line) const;

 private:
  void skipBlanks();
  bool atLineEnd() const;
  void consumeLineEnd();
  void consumeSeparator();
  qsizetype lineStart(std::int64_t line) const;  // data_.size() when the data has fewer lines
  struct WholeData {};
  FieldReader(QByteArrayView data, std::int64_t firstLine, WholeData)
      : data_(data), firstLine_(firstLine), line_(firstLine) {}

  QByteArrayView data_;
  qsizetype pos_ = 0;
  std::int64_t firstLine_ = 1;
  std::int64_t line_ = 1;
};

}  // namespace corvessa
