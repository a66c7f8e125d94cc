#pragma once
#include "core/filestamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvessa {

// One drawing: its label (a date or an issue number) and the digits H, T, U.
struct DrawRecord {
  std::int64_t label = 0;
  std::uint8_t h = 0, t = 0, u = 0;
};

// The draws of one lottery file as the tool windows read them: records are
// taken four fields at a time and the history ends at the end of the file or
// at the first record whose label is 0, empty or not a whole number. When
// lines with text follow that record, where it stands is kept, so the window
// can say that they were not read.
// Records with a digit field whose value is not a whole number 0 to 9 (or
// cut short by the end of the file) are left out and counted, so the window
// can say so once.
struct DrawHistory {
  std::vector<DrawRecord> draws;
  int skippedCount = 0;
  std::int64_t firstSkippedLine = 0;  // 1-based
  QString firstSkippedText;  // cut to a length a message can show
  std::int64_t endLine = 0;  // 1-based line of the record that ended the history before its last text; 0: none
  QString endText;  // that line, cut like firstSkippedText
  bool unreadable = false;   // the file is missing or could not be read
  QString unreadableReason;
};

// The whole content of a file, or what failed. Anything but a plain file (a
// folder, a pipe, a device) is "not a file": it is opened without waiting
// (a pipe never blocks the reader) and its type is judged on what was
// opened, so a file swapped in after a check cannot slip through. A file
// longer than `maxBytes` is not read; the error names its size. A symbolic
// link is read through: reading changes nothing, and the file it names
// passes the same checks.
// `stamp` is what was opened and read, or, when nothing could be opened,
// what is at the path (the file a link names, or the link itself).
struct FileContent {
  QByteArray data;
  std::optional<QString> error;
  bool missing = false;  // nothing at all is at the path (not even a link)
  FileStamp stamp;
};
// Far beyond any real history (ten million draws take some 200 MB), and
// small enough that a file of this size is read and shown.
constexpr qint64 kMaxDrawFileBytes = qint64(256) << 20;
FileContent readWholeFile(const QString &path, qint64 maxBytes = kMaxDrawFileBytes);

// Lines of the usual shape, "label H T U" (a label of at most 18 figures
// that does not start with 0, one figure a digit, blanks between), are read
// quickly, any other line through the field reader; the draws are the same.
DrawHistory parseDrawHistory(QByteArrayView data);
DrawHistory readDrawHistory(const QString &path);
// The same reading with every record through the field reader: what the
// quick reading is checked against.
DrawHistory parseDrawHistoryByFields(QByteArrayView data);

// Whether a line (without its line end) is one record of the usual shape.
bool isPlainDrawRecord(QByteArrayView line);

// The same reading without keeping the draws: what a window says about the
// history (the records left out, where it ended), for the draw editor,
// which shows the file's lines itself.
DrawHistory parseDrawHistoryNotes(QByteArrayView data);
// The same from a line of the file on: `rest` starts at the start of line
// `line`, and every line before it is a record of the usual shape (a byte-
// order mark at the start of `rest` is text then).
DrawHistory parseDrawHistoryNotes(QByteArrayView rest, std::int64_t line);

// The message a window shows once for a history read from `path`, or an
// empty text when there is nothing to say. Shown with the title "Error:".
QString drawHistoryProblem(const DrawHistory &history, const QString &path);

// The part of that message that says where the history ended before the
// file did (the draw editor's load says it alone); empty when it did not.
QString drawHistoryEndNote(const DrawHistory &history, const QString &path);

// A text for a message: at most `limit` characters, a longer one cut with an
// ellipsis, so that a huge field never makes a huge message.
QString messageExcerpt(const QString &text, qsizetype limit = 200);

// The value of a field, the one reading of a field's text that the charts'
// reader and the draw editor (its Save, its blank rows) share: the text
// without the blanks (space, tab) around it, inside double quotes too, so
// `"7 "` holds the value 7. Nothing else is trimmed: a vertical tab, a form
// feed or a line end is part of the value, which is then no number.
QByteArrayView fieldValue(QByteArrayView field);

// A label field read by its value as a whole number in 64 bits, written with
// figures and an optional sign; nothing otherwise ("1.5", "1e3" and words
// are not labels).
std::optional<std::int64_t> parseLabel(QByteArrayView field);

// A digit field read by its value as a number (sign, decimal point,
// exponent): the digit d when that value is the whole number d from 0 to 9,
// so "+5", "05", "5.0" and " 5 " are 5; nothing for "5.5", "12", "-1", "7a"
// or "5" followed by a vertical tab.
std::optional<std::uint8_t> parseDigitValue(QByteArrayView field);

}  // namespace corvessa
