// Reading draw files: the free-format fields, the tool windows' stop rule and
// the draw editor's one row per line.
#include "charts/framework/chartdump.h"
#include "core/drawfile.h"
#include "core/editorrows.h"
#include "core/fieldreader.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <string_view>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace corvessa;
using namespace std::literals;

namespace {

QStringList fields(const QByteArray &data) {
  QStringList out;
  FieldReader reader(data);
  while (!reader.atEnd()) {
    const FieldReader::Field f = reader.next();
    if (!f.present)
      break;
    out << QString::fromLatin1(f.text);
  }
  return out;
}

// The editor's rows, one "label|H|T|U" each.
QStringList rowTexts(const EditorRows &rows) {
  QStringList out;
  for (int r = 0; r < rows.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < 4; ++c)
      cells << rows.text(r, c);
    out << cells.join('|');
  }
  return out;
}

QString draws(const DrawHistory &h) {
  QStringList out;
  for (const DrawRecord &d : h.draws)
    out << QStringLiteral("%1:%2%3%4").arg(d.label).arg(d.h).arg(d.t).arg(d.u);
  return out.join(QLatin1Char(' '));
}

}  // namespace

TEST(FieldReader, SeparatorsQuotesAndLineEnds) {
  EXPECT_EQ(fields("125 1 2 3\r\n126 4 5 6\r\n"), (QStringList{"125", "1", "2", "3", "126", "4", "5", "6"}));
  EXPECT_EQ(fields("125,1,2,3\n126, 4 ,5,6"), (QStringList{"125", "1", "2", "3", "126", "4", "5", "6"}));
  EXPECT_EQ(fields("1,,2"), (QStringList{"1", "", "2"}));
  EXPECT_EQ(fields("1 2\r\n\r\n3"), (QStringList{"1", "2", "", "3"}));  // a blank line is an empty field
  EXPECT_EQ(fields("\"NY.txt\"\r\n"), (QStringList{"NY.txt"}));
  EXPECT_EQ(fields("\"My lottery.txt\"\r\n\"B.txt\"\r\n"), (QStringList{"My lottery.txt", "B.txt"}));
  EXPECT_EQ(fields("7\r8"), (QStringList{"7", "8"}));  // a lone CR ends a line too
}

TEST(DrawHistory, StopRuleAndRecordShapes) {
  struct Case {
    const char *name;
    QByteArray data;
    QString expected;
  };
  const Case cases[] = {
      {"plain CR LF", "125 1 2 3\r\n126 4 5 6\r\n", "125:123 126:456"},
      {"LF only", "125 1 2 3\n126 4 5 6\n", "125:123 126:456"},
      {"no final line end", "125 1 2 3\r\n126 4 5 6", "125:123 126:456"},
      {"one more blank line at the end", "125 1 2 3\r\n\r\n", "125:123"},
      {"blank line ends the draws", "1 1 1 1\r\n\r\n2 2 2 2\r\n", "1:111"},
      {"0 label in the middle", "1 1 2 3\r\n0 0 0 0\r\n3 4 5 6\r\n", "1:123"},
      {"non-numeric label", "1 1 2 3\r\nabc 4 5 6\r\n3 4 5 6\r\n", "1:123"},
      {"commas", "5,1,2,3\r\n6,7,8,9\r\n", "5:123 6:789"},
      {"short line borrows from the next", "5 1 2\r\n3 6 7 8 9\r\n", "5:123 6:789"},
      {"leading zeros of a label", "0042 1 2 3\r\n", "42:123"},
      {"negative label", "-5 1 2 3\r\n", "-5:123"},
      {"date with draw number", "20260812001 9 0 4\r\n", "20260812001:904"},
      {"empty file", "", ""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(draws(parseDrawHistory(c.data)), c.expected) << c.name;
}

TEST(DrawHistory, BadDigitsAreSkippedAndReportedOnce) {
  const DrawHistory h = parseDrawHistory("1 1 2 3\r\n2 12 2 3\r\n3 4 5 6\r\n4 1 x 3\r\n5 7 8 9\r\n6 1 2");
  EXPECT_EQ(draws(h), "1:123 3:456 5:789");
  EXPECT_EQ(h.skippedCount, 3);  // 12, x, and the last record cut short
  EXPECT_EQ(h.firstSkippedLine, 2);
  EXPECT_EQ(h.firstSkippedText, "2 12 2 3");
  const QString message = drawHistoryProblem(h, "/data/X.txt");
  EXPECT_TRUE(message.contains("3 record(s)")) << message.toStdString();
  EXPECT_TRUE(message.contains("line 2: 2 12 2 3")) << message.toStdString();
  EXPECT_TRUE(drawHistoryProblem(parseDrawHistory("1 1 2 3\r\n"), "x").isEmpty());
}

TEST(DrawHistory, DigitFieldsAreReadByTheirValue) {
  // Each field stands as H of the record "7 <field> 1 2", between two good records.
  struct Case {
    const char *field;
    int digit;  // -1: the record is skipped
  };
  const Case cases[] = {
      {"5", 5},     {"+5", 5},   {"05", 5},    {"5.0", 5},   {"5.", 5},    {"50e-1", 5},  {".5e1", 5},
      {"0.05E+2", 5}, {"0", 0},  {"-0", 0},    {"0.0e9", 0}, {"000", 0},   {"9.000", 9},
      {"5.5", -1},  {"12", -1},  {"-1", -1},   {"7a", -1},   {"-5", -1},   {"5e1", -1},   {"5e", -1},
      {".", -1},    {"+", -1},   {"1.2.3", -1}, {"0x5", -1}, {"inf", -1},  {"10e-1", 1},
      {"5e99999999999999999999", -1}, {"0.5e99999999999999999999", -1}, {"15e-1", -1},
      // Blanks around a field's text are no part of its value, inside quotes too; nothing else is.
      {"\"5 \"", 5}, {"\" 5\"", 5}, {"\"\t5\t\"", 5}, {"\"5\"", 5}, {"5\v", -1}, {"5\f", -1}, {"\"5\v\"", -1},
  };
  for (const Case &c : cases) {
    const QByteArray data = QByteArray("1 1 1 1\r\n7 ") + c.field + " 1 2\r\n9 9 9 9\r\n";
    const DrawHistory h = parseDrawHistory(data);
    if (c.digit < 0) {
      EXPECT_EQ(draws(h), "1:111 9:999") << c.field;
      EXPECT_EQ(h.skippedCount, 1) << c.field;
      EXPECT_EQ(h.firstSkippedLine, 2) << c.field;
    } else {
      EXPECT_EQ(draws(h), "1:111 7:" + QString::number(c.digit) + "12 9:999") << c.field;
      EXPECT_EQ(h.skippedCount, 0) << c.field;
    }
  }
}

TEST(DrawHistory, ALabelIsAWholeNumberOfFiguresIn64Bits) {
  EXPECT_EQ(draws(parseDrawHistory("\"20260101003 \" 5 2 4\r\n\" +7\t\" 1 1 1\r\n")), "20260101003:524 7:111");
  for (const char *label : {"1\v", "\"1\f\""})
    EXPECT_EQ(draws(parseDrawHistory(QByteArray("1 1 1 1\r\n") + label + " 2 2 2\r\n3 3 3 3\r\n")), "1:111")
        << label;
  for (const char *label : {"1.5", "1e3", "99999999999999999999", "9223372036854775808", "+", "12a", "5.0"})
    EXPECT_EQ(draws(parseDrawHistory(QByteArray("1 1 1 1\r\n") + label + " 2 2 2\r\n3 3 3 3\r\n")), "1:111")
        << label;
  EXPECT_EQ(draws(parseDrawHistory("9223372036854775807 1 2 3\r\n-9223372036854775808 4 5 6\r\n+7 7 8 9\r\n")),
            "9223372036854775807:123 -9223372036854775808:456 7:789");
}

TEST(DrawHistory, AnEarlyEndIsNotedWithItsLineWhenTextFollows) {
  struct Case {
    const char *name;
    QByteArray data;
    int endLine;  // 0: nothing to say
    QString endText;
  };
  const Case cases[] = {
      {"ends with the file", "1 1 2 3\r\n2 4 5 6\r\n", 0, ""},
      {"0 0 0 0 as the last record", "1 1 2 3\r\n0 0 0 0\r\n", 0, ""},
      {"blank lines, blanks and commas after it", "1 1 2 3\r\n\r\n  \r\n,,\r\n\r\n", 0, ""},
      {"a draw after 0 0 0 0", "1 1 2 3\r\n0 0 0 0\r\n3 4 5 6\r\n", 2, "0 0 0 0"},
      {"a blank line in the middle", "1 1 2 3\r\n\r\n3 4 5 6\r\n", 2, ""},
      {"a word", "1 1 2 3\r\nDraws 4 5 6\r\n\r\nmore\r\n", 2, "Draws 4 5 6"},
      {"a label too long for 64 bits", "1 1 2 3\n99999999999999999999 1 2 3\n3 4 5 6\n", 2,
       "99999999999999999999 1 2 3"},
      {"a label with an exponent", "1e3 1 2 3\r\n3 4 5 6\r\n", 1, "1e3 1 2 3"},
  };
  for (const Case &c : cases) {
    const DrawHistory h = parseDrawHistory(c.data);
    EXPECT_EQ(h.endLine, c.endLine) << c.name;
    EXPECT_EQ(h.endText, c.endText) << c.name;
    // The editor's reading, which keeps no draws, says the same.
    EXPECT_EQ(drawHistoryProblem(parseDrawHistoryNotes(c.data), "/data/X.txt"), drawHistoryProblem(h, "/data/X.txt"))
        << c.name;
    const QString note = drawHistoryEndNote(h, "/data/X.txt");
    if (c.endLine == 0) {
      EXPECT_TRUE(drawHistoryProblem(h, "/data/X.txt").isEmpty()) << c.name;
      continue;
    }
    EXPECT_TRUE(note.contains(QStringLiteral("/data/X.txt ends at line %1,").arg(c.endLine))) << note.toStdString();
    EXPECT_TRUE(note.contains("\"" + c.endText + "\"")) << note.toStdString();
    EXPECT_TRUE(note.contains("The lines after it are not read as draws.")) << note.toStdString();
    EXPECT_EQ(drawHistoryProblem(h, "/data/X.txt"), note) << c.name;
  }
  // Beside the left-out records, in one message.
  const DrawHistory both = parseDrawHistory("1 1 2 3\r\n2 12 2 3\r\nend\r\n4 4 5 6\r\n");
  const QString message = drawHistoryProblem(both, "/data/X.txt");
  EXPECT_EQ(drawHistoryProblem(parseDrawHistoryNotes("1 1 2 3\r\n2 12 2 3\r\nend\r\n4 4 5 6\r\n"), "/data/X.txt"),
            message);
  EXPECT_TRUE(message.startsWith("1 record(s)")) << message.toStdString();
  EXPECT_TRUE(message.endsWith(drawHistoryEndNote(both, "/data/X.txt"))) << message.toStdString();
  EXPECT_TRUE(message.contains("ends at line 3")) << message.toStdString();
}

// The quick reading of the usual records gives what the field reader gives
// for every record: the draws, the records left out and where the history
// ends, for the charts, the editor's notes and the editor's rows alike.
void expectSameAsByFields(const QByteArray &data, const std::string &name) {
  SCOPED_TRACE(name);
  const DrawHistory quick = parseDrawHistory(data), slow = parseDrawHistoryByFields(data);
  ASSERT_EQ(quick.draws.size(), slow.draws.size());
  for (std::size_t i = 0; i < quick.draws.size(); ++i) {
    const DrawRecord &a = quick.draws[i], &b = slow.draws[i];
    ASSERT_TRUE(a.label == b.label && a.h == b.h && a.t == b.t && a.u == b.u) << "draw " << i;
  }
  for (const DrawHistory &notes : {quick, parseDrawHistoryNotes(data), EditorRows(data).chartNotes()}) {
    EXPECT_EQ(notes.skippedCount, slow.skippedCount);
    EXPECT_EQ(notes.firstSkippedLine, slow.firstSkippedLine);
    EXPECT_EQ(notes.firstSkippedText, slow.firstSkippedText);
    EXPECT_EQ(notes.endLine, slow.endLine);
    EXPECT_EQ(notes.endText, slow.endText);
  }
}

TEST(DrawHistory, TheQuickReadingOfTheUsualRecordsReadsAsTheFieldReader) {
  const QByteArray usual = "20260101 1 2 3\r\n20260102 4 5 6\r\n";
  const std::string_view tricky[] = {
      ""sv,
      "\xEF\xBB\xBF"sv,
      "\xEF\xBB\xBF" "1 2 3 4\r\n"sv,
      "1 2 3 4"sv,
      "1 2 3 4\n2 3 4 5\r3 4 5 6\r\n"sv,
      "1 2 3 4\r\r\n2 3 4 5\n\r3 4 5 6"sv,
      "123456789012345678 1 2 3\r\n"sv,
      "1234567890123456789 1 2 3\r\n"sv,
      "9223372036854775807 1 2 3\r\n9223372036854775808 1 2 3\r\n"sv,
      "12345678901234567890 1 2 3\r\n4 5 6 7\r\n"sv,
      "01 2 3 4\r\n"sv,
      "0 1 2 3\r\n5 6 7 8\r\n"sv,
      "-5 1 2 3\r\n+6 1 2 3\r\n"sv,
      "7 12 1 2\r\n8 5.0 +5 05\r\n9 5.5 1 2\r\n"sv,
      "7\t1\t2\t3\r\n8  1  2  3\r\n9 1 2 3 \r\n"sv,
      "7,1,2,3\r\n8,1,2,3,\r\n9 1 2 3\r\n"sv,
      "\"7\" \"1\" 2 3\r\n\"8 1 2 3\r\n9 1 2 3\r\n"sv,
      "7 1 2\r\n8 1 2 3\r\n9 1 2 3\r\n"sv,
      "7 1 2 3 4\r\n5 6 7\r\n8 1 2 3\r\n"sv,
      "7 1 2 3\r\n\r\n8 1 2 3\r\n"sv,
      "7 1 2 3\r\n   \r\n,,\r\n"sv,
      "7 1 2 3\r\n0 0 0 0\r\nend\r\n"sv,
      "7 1 2 3\r\nx 1 2 3\r\n"sv,
      "7 1 2 3\r\n8 1 2 a\r\n9 1 2 3\r\n10 1 2\r\n"sv,
      "7 1 2 3\r\n8 1 2 3\x00\r\n9 1 2 3\r\n"sv,
      "7 1 2 3\r\n8 \xC3\xA9 2 3\r\n9 1 2 3\r\n"sv,
      "7 1 2 3\r\n\r"sv,
      "7 1 2 3\r\n8 1 2"sv,
      "7 1 2 3\r\n8 1 2 "sv,
      "7 1 2 3\r\n8 1 2 34"sv,
      "\r\n7 1 2 3\r\n"sv,
  };
  for (const std::string_view text : tricky) {
    const QByteArray data(text.data(), qsizetype(text.size()));
    expectSameAsByFields(data, data.toStdString());
    expectSameAsByFields(usual + data + usual, "between usual records: " + data.toStdString());
  }
  // The same pieces strung together at random, the usual records among them.
  std::uint32_t state = 7;
  const auto next = [&state] { return state = state * 1664525u + 1013904223u; };
  for (int round = 0; round < 500; ++round) {
    QByteArray data;
    for (int piece = int(next() >> 28); piece >= 0; --piece) {
      const std::uint32_t pick = next() >> 20;
      const std::string_view text = tricky[pick % std::size(tricky)];
      data += pick % 3 == 0 ? usual : QByteArray(text.data(), qsizetype(text.size()));
    }
    expectSameAsByFields(data, "round " + std::to_string(round));
  }
}

TEST(DrawHistory, MessagesQuoteAHugeLineOnlyInPart) {
  const QByteArray huge(1 << 20, 'x');
  for (const QByteArray &data : {"1 1 2 3\r\n2 " + huge + " 2 3\r\n", "1 1 2 3\r\n" + huge + " 1 2 3\r\n4 1 2 3\r\n"}) {
    const QString message = drawHistoryProblem(parseDrawHistory(data), "/data/X.txt");
    EXPECT_TRUE(message.contains(QString(200 - 2, 'x') + QChar(0x2026))) << message.left(400).toStdString();
    EXPECT_LT(message.size(), 1000);
  }
}

TEST(DrawHistory, MissingFileIsReportedNotCreated) {
  const QString path = QStringLiteral("/nonexistent-folder/none.txt");
  const DrawHistory h = readDrawHistory(path);
  EXPECT_TRUE(h.unreadable);
  EXPECT_TRUE(h.draws.empty());
  EXPECT_TRUE(drawHistoryProblem(h, path).contains(path));
}

// Each line of the file is one row, whatever its fields: nothing moves to
// another row, and nothing of a line is lost.
TEST(EditorRows, OneRowPerLine) {
  struct Case {
    const char *name;
    QByteArray file;
    QStringList rows;
  };
  const Case cases[] = {
      {"empty file", "", {}},
      {"every record to the end", "1 1 2 3\r\n0 0 0 0\r\n3 4 5 6\r\n", {"1|1|2|3", "0|0|0|0", "3|4|5|6"}},
      {"a blank line is a blank row", "1 1 2 3\r\n\r\n2 4 5 6\r\n3 7 8 9\r\n",
       {"1|1|2|3", "|||", "2|4|5|6", "3|7|8|9"}},
      {"blanks only", "1 2 3 4\r\n  \r\n", {"1|2|3|4", "|||"}},
      {"a short line leaves its row's last cells empty", "1 1 2\r\n2 4 5 6\r\n7 8", {"1|1|2|", "2|4|5|6", "7|8||"}},
      {"a long line keeps the rest in its last cell", "1 1 2 3 4  5\r\n2 4 5 6,\r\n3 7,8,9,,\r\n",
       {"1|1|2|3 4  5", "2|4|5|6", "3|7|8|9"}},
      {"empty fields at a line's end are dropped, others kept", "1 2 3 4, ,\"\"\r\n1 2 3 4,,5\r\n",
       {"1|2|3|4", "1|2|3|4,,5"}},
      {"commas, quotes and empty fields", "125,1,2,3\r\n\"126\" 4 5 6\r\n127,,8,9\r\n\"1 2\" 3 4 5\r\n",
       {"125|1|2|3", "126|4|5|6", "127||8|9", "1 2|3|4|5"}},
      {"CR, LF and CR LF line ends", "1 1 2 3\r2 4 5 6\n3 7 8 9\r\n\n", {"1|1|2|3", "2|4|5|6", "3|7|8|9", "|||"}},
      {"a byte-order mark only at the start", "\xEF\xBB\xBF" "1 1 2 3\r\n\xEF\xBB\xBF" "2 4 5 6\r\n",
       {"1|1|2|3", QString::fromLatin1("\xEF\xBB\xBF" "2|4|5|6")}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(rowTexts(EditorRows(c.file)), c.rows) << c.name;
}

// Typed texts, added, removed and emptied rows, beside the lines they came from.
TEST(EditorRows, EditsLeaveTheOtherRowsAsTheyWere) {
  EditorRows rows("1 1 2 3\r\n2 4 5 6\r\n3 7 8 9\r\n");
  rows.setText(1, 2, "x");
  rows.insertBlankRow(0);
  rows.insertBlankRow(rows.rowCount());
  rows.setText(4, 0, "new");
  rows.removeRow(3);
  rows.clearRow(2);
  EXPECT_EQ(rowTexts(rows), (QStringList{"|||", "1|1|2|3", "|||", "new|||"}));
  EXPECT_TRUE(rows.isBlank(2));
  EXPECT_FALSE(rows.isBlank(3));
  rows.setText(0, 3, "  ");
  EXPECT_TRUE(rows.isBlank(0));
  // A cell's start without its whole text.
  const EditorRows huge(QByteArray(1 << 20, 'A') + " 1 2 3");
  EXPECT_EQ(huge.textStart(0, 0, 5), "AAAAA");
  EXPECT_EQ(huge.text(0, 0).size(), 1 << 20);
  EXPECT_EQ(huge.text(0, 1), "1");
}

// A file saved by a Windows editor starts with a UTF-8 byte-order mark; every
// reader takes the file as if it were not there.
TEST(ByteOrderMark, IsSkippedByEveryReader) {
  const QByteArray plain = "125 1 2 3\r\n126 4 5 6\r\nend\r\n127 7 8 9\r\n";
  const QByteArray marked = "\xEF\xBB\xBF" + plain;
  const DrawHistory history = parseDrawHistory(marked);
  EXPECT_EQ(draws(history), "125:123 126:456");
  EXPECT_EQ(drawHistoryProblem(history, "X.txt"), drawHistoryProblem(parseDrawHistory(plain), "X.txt"));
  EXPECT_EQ(rowTexts(EditorRows(marked)), rowTexts(EditorRows(plain)));
  const ToolEntry &tool = test::registeredTool("frmgaopin6ma36");
  EXPECT_EQ(charts::chartDumpText(computeChart(tool, history), true),
            charts::chartDumpText(computeChart(tool, parseDrawHistory(plain)), true));
  EXPECT_EQ(fields("\xEF\xBB\xBF\"NY.txt\"\r\n"), QStringList{"NY.txt"});  // the settings file too
  // Only at the start of the file, and only the whole mark.
  EXPECT_EQ(fields("1 \xEF\xBB\xBF"), (QStringList{"1", QString::fromLatin1("\xEF\xBB\xBF")}));
  EXPECT_EQ(fields("\xEF\xBB" "1"), QStringList{QString::fromLatin1("\xEF\xBB" "1")});
}

// Lines are counted in 64 bits: past 2^31 the count goes on and the history's
// end is still named by its line.
TEST(FieldReader, CountsLinesPastTwoToTheThirtyOne) {
  const std::int64_t first = (std::int64_t(1) << 31) - 1;
  FieldReader reader("1 1 2 3\r\nend\r\n\r\n7 7 8 9\r\n", first);
  EXPECT_EQ(reader.next().line, first);
  for (int i = 0; i < 3; ++i)
    reader.next();
  const FieldReader::Field end = reader.next();
  EXPECT_EQ(end.text.toByteArray(), "end");
  EXPECT_EQ(end.line, first + 1);
  EXPECT_EQ(reader.lineText(first + 1), "end");
  EXPECT_TRUE(reader.hasTextAfterLine(first + 1));
  EXPECT_FALSE(reader.hasTextAfterLine(first + 3));
  EXPECT_EQ(reader.next().line, first + 2);  // the blank line's empty field

  DrawHistory history;
  history.endLine = first + 1;
  EXPECT_TRUE(drawHistoryEndNote(history, "X.txt").contains("ends at line 2147483648,"));
}

// A file far larger than memory is refused by its size before anything is
// read; a sparse file costs no disk.
TEST(ReadWholeFile, RefusesAFileLongerThanItsLimitNamingItsSize) {
  QTemporaryDir dir;
  const QString path = dir.filePath("huge.txt");
  QFile huge(path);
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(qint64(64) << 30));
  huge.close();
  const FileContent content = readWholeFile(path);
  ASSERT_TRUE(content.error);
  EXPECT_EQ(*content.error, "It is 68719476736 bytes long, more than the 268435456 bytes (256 MB) that Corvessa "
                            "reads from such a file.");
  EXPECT_TRUE(content.data.isEmpty());
  const DrawHistory history = readDrawHistory(path);
  EXPECT_TRUE(history.unreadable);
  EXPECT_TRUE(drawHistoryProblem(history, path).contains("68719476736 bytes long"));

  // At the limit a file is read; one byte over, it is not.
  ASSERT_TRUE(huge.resize(16));
  EXPECT_EQ(readWholeFile(path, 16).data.size(), 16);
  EXPECT_TRUE(readWholeFile(path, 15).error);
}

// A draw file swapped for a pipe between a look at it and its opening never
// blocks the reader: the pipe is opened without waiting and refused once open.
TEST(ReadWholeFile, APipeSwappedInNeverBlocks) {
  QTemporaryDir dir;
  const QByteArray path = QFile::encodeName(dir.filePath("A.txt")), spare = QFile::encodeName(dir.filePath("spare"));
  QFile file(QString::fromLocal8Bit(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("1 1 2 3\r\n");
  file.close();
  ASSERT_EQ(mkfifo(spare.constData(), 0600), 0);
  // The file system swaps two names in one step (and back).
  ASSERT_EQ(renameat2(AT_FDCWD, path.constData(), AT_FDCWD, spare.constData(), RENAME_EXCHANGE), 0);
  ASSERT_EQ(renameat2(AT_FDCWD, path.constData(), AT_FDCWD, spare.constData(), RENAME_EXCHANGE), 0);

  // The path flips between the file and the pipe as fast as the system renames.
  std::atomic<bool> stop{false};
  std::thread flipper([&] {
    while (!stop)
      renameat2(AT_FDCWD, path.constData(), AT_FDCWD, spare.constData(), RENAME_EXCHANGE);
  });
  auto reads = std::async(std::launch::async, [&] {
    for (int i = 0; i < 3000; ++i) {
      const FileContent content = readWholeFile(QString::fromLocal8Bit(path));
      if (!content.error && content.data != "1 1 2 3\r\n")
        ADD_FAILURE() << "read " << content.data.size() << " bytes";
    }
  });
  const bool returned = reads.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  stop = true;
  flipper.join();
  if (!returned) {
    // A reader stuck in opening the pipe: a writer lets it go on.
    for (const QByteArray &name : {path, spare})
      if (const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
        ::close(fd);
  }
  reads.wait();
  EXPECT_TRUE(returned) << "a read blocked on the pipe";
}
