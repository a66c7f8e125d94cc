#pragma once
#include <QByteArray>
#include <QByteArrayView>

namespace corvessa {

// Free-format field input over the bytes of a text file.
// Fields are separated by blanks, commas and line ends (CR LF, LF or CR);
// a field in double quotes runs to the closing quote. An empty line, or two
// commas in a row, give an empty field. A short line therefore lends its
// missing fields from the next line.
class FieldReader {
 public:
  struct Field {
    QByteArrayView text;  // points into the reader's data
    bool present = false;  // false once the data has ended
    int line = 0;          // 1-based line the field starts on
  };

  explicit FieldReader(QByteArrayView data) : data_(data) {}

  // True when nothing but the end of the data is left.
  bool atEnd() const { return pos_ >= data_.size(); }
  Field next();

  // The text of a 1-based line, without its line end (for messages).
  QByteArray lineText(int line) const;

  // True when a line after this 1-based line holds a field with text: more
  // than blanks, commas and line ends.
  bool hasTextAfterLine(int line) const;

 private:
  void skipBlanks();
  bool atLineEnd() const;
  void consumeLineEnd();
  void consumeSeparator();
  qsizetype lineStart(int line) const;  // data_.size() when the data has fewer lines

  QByteArrayView data_;
  qsizetype pos_ = 0;
  int line_ = 1;
};

}  // namespace corvessa
