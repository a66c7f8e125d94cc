// Building draw files from the editor's rows, the checks behind Save and
// Import, and replacing a file without losing it.
#include "core/drawsave.h"
#include "core/paths.h"
#include "support/core/diskfailure.h"
#include "support/core/fiforelease.h"
#include "support/core/memoryfailure.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/core/unchangedsave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::FailingWrites;
using corvessa::test::TestHome;

namespace {
using Rows = std::vector<EditorRecord>;

// The editor's rows holding these typed texts.
EditorRows editorRows(const Rows &typed) {
  EditorRows rows;
  for (const EditorRecord &record : typed) {
    rows.insertBlankRow(rows.rowCount());
    for (int c = 0; c < 4; ++c)
      if (!record[std::size_t(c)].isEmpty())
        rows.setText(rows.rowCount() - 1, c, record[std::size_t(c)]);
  }
  return rows;
}
}  // namespace

TEST(BuildDrawFile, BytesForRows) {
  struct Case {
    const char *name;
    Rows rows;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"no rows", {}, ""},
      {"only the blank spare row", {{"", "", "", ""}}, ""},
      {"draws, then the spare row", {{"125", "1", "2", "3"}, {"126", "4", "5", "6"}, {"", "", "", ""}},
       "125 1 2 3\r\n126 4 5 6\r\n"},
      {"blank rows anywhere are left out",
       {{"", "", "", ""}, {"1", "1", "1", "1"}, {" ", "  ", "", "\t"}, {"2", "2", "2", "2"}},
       "1 1 1 1\r\n2 2 2 2\r\n"},
      {"a 0 0 0 0 record the file holds is kept", {{"1", "1", "2", "3"}, {"0", "0", "0", "0"}, {"3", "4", "5", "6"}},
       "1 1 2 3\r\n0 0 0 0\r\n3 4 5 6\r\n"},
      {"blanks around cells are dropped", {{" 125 ", " 7", "8 ", " 9 "}}, "125 7 8 9\r\n"},
      {"labels keep their figures", {{"0042", "0", "9", "0"}, {"20260812001", "9", "0", "4"}, {"-5", "1", "2", "3"}},
       "0042 0 9 0\r\n20260812001 9 0 4\r\n-5 1 2 3\r\n"},
      // Every reader takes these as the digits 5, 3 and 4; a value of 0 is written 0.
      {"digits as the charts read them", {{"7", "05", "+3", "4.0"}, {"8", "00", "-0", "0.0e1"}, {"9", "5e0", "0.7e1", "1"}},
       "7 05 +3 4.0\r\n8 0 0 0\r\n9 5e0 0.7e1 1\r\n"},
  };
  for (const Case &c : cases) {
    const DrawFileBuild build = buildDrawFile(editorRows(c.rows));
    EXPECT_FALSE(build.problem) << c.name << ": " << build.problem->message.toStdString();
    EXPECT_EQ(build.bytes, c.bytes) << c.name;
  }
}

// The rows of a file with four fields a line save as its very bytes; other
// lines each become one draw line of their own.
TEST(BuildDrawFile, AFileSavedUneditedKeepsEveryDrawOnItsLine) {
  const QByteArray written = "125 1 2 3\r\n0 0 0 0\r\n20260812001 05 +3 4.0\r\n-7 9 0 0\r\n";
  EXPECT_EQ(buildDrawFile(EditorRows(written)).bytes, written);
  EXPECT_EQ(buildDrawFile(EditorRows("1 1 2 3\r\n\r\n2 4 5 6\n3,7,8,9\r\n\r\n")).bytes,
            "1 1 2 3\r\n2 4 5 6\r\n3 7 8 9\r\n");
}

// The charts and the editor read a field by one rule, so an unedited Save
// never makes the charts show a draw they did not show, nor hide one.
TEST(BuildDrawFile, AnUneditedSaveKeepsWhatTheChartsRead) {
  struct Case {
    const char *name;
    QByteArray file;
    QByteArray saved;  // empty: refused
  };
  const Case cases[] = {
      {"a digit in quotes with a blank", "1 1 2 3\r\n2 \"4 \"5 6\r\n3 7 8 9\r\n", "1 1 2 3\r\n2 4 5 6\r\n3 7 8 9\r\n"},
      {"a label in quotes with a blank", "\"20260101003 \" 5 2 4\r\n7 1 1 1\r\n", "20260101003 5 2 4\r\n7 1 1 1\r\n"},
      {"a tab inside quotes", "1 \"\t5\t\" 2 3\r\n", "1 5 2 3\r\n"},
      {"a vertical tab after a digit", "1 1 2 3\v\r\n2 4 5 6\r\n", {}},
      {"a form feed after a label", "1\f 1 2 3\r\n", {}},
      {"a line of vertical tabs", "1 1 2 3\r\n\v \v \v \v\r\n2 4 5 6\r\n", {}},
      {"empty fields at a line's end", "1 2 3 4,,\r\n5 6 7 8, ,\r\n", "1 2 3 4\r\n5 6 7 8\r\n"},
      {"a line of commas before a draw", "1 1 2 3\r\n,,,\r\n2 4 5 6\r\n", {}},
      {"a line of commas at the end", "1 1 2 3\r\n,,,\r\n\r\n", "1 1 2 3\r\n"},
  };
  for (const Case &c : cases) {
    const DrawFileBuild build = buildDrawFile(EditorRows(c.file));
    EXPECT_EQ(build.bytes, c.saved) << c.name;
    EXPECT_EQ(build.problem.has_value(), c.saved.isEmpty()) << c.name;
    if (test::readsLineByLine(c.file)) {
      EXPECT_EQ(test::unchangedSaveDifference(c.file), "") << c.name;
    }
  }
  const DrawFileBuild separators = buildDrawFile(EditorRows("1 1 2 3\r\n,,,\r\n2 4 5 6\r\n"));
  EXPECT_EQ(separators.problem->row, 1);
  EXPECT_TRUE(separators.problem->message.startsWith("Row 2 shows no draw, but its line in the file holds commas"))
      << separators.problem->message.toStdString();
  EXPECT_TRUE(buildDrawFile(EditorRows("1 1 2 3\v\r\n")).problem->message.startsWith("Row 1, column U holds"));
}

// The same over many generated files of odd fields, separators and line
// ends: whenever the charts read a file line by line (four fields a line,
// empty lines only at its end), an unedited Save refuses or keeps what they read.
TEST(BuildDrawFile, GeneratedOddFilesSaveUneditedAsTheChartsReadThem) {
  static const char *const kLabels[] = {"1", "7", "125", "20260101003", "+7", "0042", "0"};
  static const char *const kDigits[] = {"0", "1", "5", "9", "+5", "05", "5.0", "5e0"};
  static const char *const kOdd[] = {"-3", "12", "5.5", "-1", "7a", "abc", "1.5", ""};
  static const char *const kBlanks[] = {"", " ", "\t", " \t"};
  static const char *const kTails[] = {"", "", "", "", "", "", "", "", "\v", "\f"};
  static const char *const kSeparators[] = {" ", " ", "  ", "\t", ",", " , ", ", "};
  static const char *const kLineEnds[] = {"\r\n", "\r\n", "\n", "\r"};
  std::mt19937 random(38);
  const auto pick = [&random](const auto &table) {
    return table[std::uniform_int_distribution<std::size_t>(0, std::size(table) - 1)(random)];
  };
  const auto chance = [&random](int percent) { return int(random() % 100) < percent; };
  const auto field = [&](int f) {
    QByteArray value = QByteArray(chance(90) ? (f == 0 ? pick(kLabels) : pick(kDigits)) : pick(kOdd)) + pick(kTails);
    if (chance(25))
      return QByteArray("\"") + pick(kBlanks) + value + pick(kBlanks) + (chance(90) ? "\"" : "");
    return value.isEmpty() ? QByteArray("1") : value;
  };
  const int kFiles = 20000;
  int lineByLine = 0, saved = 0;
  for (int i = 0; i < kFiles; ++i) {
    QByteArray file = chance(10) ? "\xEF\xBB\xBF" : "";
    const int lines = 1 + int(random() % 6);
    for (int l = 0; l < lines; ++l) {
      const int roll = int(random() % 100);
      const int fields = roll < 85 ? 4 : roll < 90 ? 3 : roll < 95 ? 5 : 0;
      for (int f = 0; f < fields; ++f)
        file += (f > 0 ? QByteArray(pick(kSeparators)) : QByteArray(pick(kBlanks))) + field(f);
      if (fields == 0)
        file += chance(50) ? ",,," : pick(kBlanks);
      else if (chance(10))
        file += chance(50) ? "," : ",,";
      if (l + 1 < lines || chance(80))
        file += pick(kLineEnds);
    }
    if (chance(10))
      file += "\r\n\r\n";
    if (!test::readsLineByLine(file))
      continue;
    ++lineByLine;
    saved += !buildDrawFile(EditorRows(file)).problem;
    const std::string difference = test::unchangedSaveDifference(file);
    ASSERT_EQ(difference, "") << "file: " << file.toStdString();
  }
  // Enough of them are read line by line, and saved, for the check to mean something.
  EXPECT_GT(lineByLine, kFiles / 5);
  EXPECT_GT(saved, kFiles / 20);
}

TEST(BuildDrawFile, RefusesTheFirstBadCell) {
  struct Case {
    EditorRecord bad;
    int column;
    const char *place;
  };
  const Case cases[] = {
      {{"125", "12", "2", "3"}, kHColumn, "Row 2, column H holds \"12\"."},
      {{"125", "1", "0.5", "3"}, kTColumn, "Row 2, column T holds \"0.5\"."},
      {{"125", "1", "2", "abc"}, kUColumn, "Row 2, column U holds \"abc\"."},
      {{"125", "1.5", "2", "3"}, kHColumn, "Row 2, column H holds \"1.5\"."},
      {{"125", "7a", "2", "3"}, kHColumn, "Row 2, column H holds \"7a\"."},
      {{"125", "1 2", "2", "3"}, kHColumn, "Row 2, column H holds \"1 2\"."},
      {{"125", "-1", "2", "3"}, kHColumn, "Row 2, column H holds \"-1\"."},
      {{"125", "1", "2", "3 4"}, kUColumn, "Row 2, column U holds \"3 4\"."},
      {{"12 5", "1", "2", "3"}, kLabelColumn, "Row 2, column Date holds \"12 5\"."},
      {{"12,5", "1", "2", "3"}, kLabelColumn, "Row 2, column Date holds \"12,5\"."},
      {{"2026-08-12", "1", "2", "3"}, kLabelColumn, "Row 2, column Date holds \"2026-08-12\"."},
      {{"99999999999999999999", "1", "2", "3"}, kLabelColumn, "Row 2, column Date holds \"99999999999999999999\"."},
      {{"\u4e00", "1", "2", "3"}, kLabelColumn, "Row 2, column Date holds \"\u4e00\"."},
      // A row that is neither blank nor complete: no draw 000 is invented, no history ended by a label 0.
      {{"125", "", "", ""}, kHColumn, "Row 2, column H is empty."},
      {{"125", "1", "2", ""}, kUColumn, "Row 2, column U is empty."},
      {{"", "7", "8", "9"}, kLabelColumn, "Row 2, column Date is empty."},
      {{"   ", "1", "2", "3"}, kLabelColumn, "Row 2, column Date is empty."},
      {{"12 5", "", "2", "3"}, kLabelColumn, "Row 2, column Date holds \"12 5\"."},
      {{"125", "12", "", "3"}, kHColumn, "Row 2, column H holds \"12\"."},
  };
  for (const Case &c : cases) {
    // The bad row sits between good ones; a later bad cell is not the one reported.
    const Rows rows{{"124", "1", "1", "1"}, c.bad, {"126", "x", "y", "z"}};
    const DrawFileBuild build = buildDrawFile(editorRows(rows));
    ASSERT_TRUE(build.problem) << c.place;
    EXPECT_EQ(build.problem->row, 1) << c.place;
    EXPECT_EQ(build.problem->column, c.column) << c.place;
    EXPECT_TRUE(build.problem->message.startsWith(QString::fromUtf8(c.place))) << build.problem->message.toStdString();
    EXPECT_TRUE(build.problem->message.contains("Nothing was saved.")) << c.place;
    EXPECT_TRUE(build.bytes.isEmpty()) << c.place;
  }
}

TEST(DrawHistoryContent, WhatImportAccepts) {
  struct Case {
    const char *name;
    QByteArray data;
    bool accepted;
  };
  const Case cases[] = {
      {"draws", "125 1 2 3\r\n126 4 5 6\r\n", true},
      {"LF line ends and commas", "125,1,2,3\n", true},
      {"draws after a 0 0 0 0 record", "0 0 0 0\r\n7 1 2 3\r\n", true},
      {"one good record among bad ones", "abc d e f\r\n7 1 2 3\r\nx\r\n", true},
      {"empty file", "", false},
      {"only 0 0 0 0", "0 0 0 0\r\n", false},
      {"text", "Dear user,\r\nhere are no draws.\r\n", false},
      {"digits written by their value", "125 +5 05 5.0\r\n", true},
      {"digits out of range", "125 12 2 3\r\n126 1 2 x\r\n126 5.5 2 3\r\n", false},
      {"NUL bytes", QByteArray("125 1 2 3\r\n\0\0\0", 14), false},
  };
  for (const Case &c : cases)
    EXPECT_EQ(!drawHistoryContentProblem(c.data).has_value(), c.accepted) << c.name;
  EXPECT_TRUE(drawHistoryContentProblem(QByteArray("1 1 1 1\0", 8))->contains("NUL"));
}

TEST(ReplaceFile, ReplacesCreatesAndNeverLosesTheOldFile) {
  TestHome home;
  const QString path = home.writeLottery("NY", "1 1 1 1\r\n");
  EXPECT_FALSE(replaceFileAtomically(path, "2 2 2 2\r\n"));
  EXPECT_EQ(home.readFile(path), "2 2 2 2\r\n");

  const QString fresh = home.dataFile("Fresh");
  EXPECT_FALSE(replaceFileAtomically(fresh, "3 3 3 3\r\n"));
  EXPECT_EQ(home.readFile(fresh), "3 3 3 3\r\n");

  for (rlim_t failAfter : {rlim_t(0), rlim_t(5)}) {  // nothing written, or cut short
    {
      FailingWrites failing(failAfter);
      const std::optional<QString> error = replaceFileAtomically(path, "4 4 4 4\r\n");
      ASSERT_TRUE(error) << failAfter;
      // The system's own words, as for a full disk, also for a write cut short.
      EXPECT_EQ(*error, qt_error_string(EFBIG)) << failAfter;
    }
    EXPECT_EQ(home.readFile(path), "2 2 2 2\r\n") << failAfter;
  }
  // The temporary file went with the failure.
  EXPECT_EQ(QDir(home.path() + "/data").entryList(QDir::Files), (QStringList{"Fresh.txt", "NY.txt"}));

  EXPECT_TRUE(replaceFileAtomically(home.path() + "/no-such-folder/NY.txt", "1 1 1 1\r\n"));
}

// Only a plain file of this user at the lock file's name is taken as the
// lock: anything else is refused at once, named, and left there, and the
// draw file stays as it was. A completed replace leaves no lock file.
TEST(ReplaceFile, TakesOnlyAPlainFileOfItsOwnAsTheLock) {
  struct Case {
    const char *kind;
    std::function<void(const QString &lock)> make;
  };
  std::vector<Case> cases = {
      {"a named pipe (FIFO)", [](const QString &lock) { ASSERT_EQ(mkfifo(QFile::encodeName(lock), 0600), 0); }},
      {"a folder", [](const QString &lock) { ASSERT_TRUE(QDir().mkdir(lock)); }},
      {"a symbolic link",
       [](const QString &lock) { ASSERT_TRUE(QFile::link(QFileInfo(lock).dir().filePath("NY.txt"), lock)); }},
  };
  if (geteuid() == 0)  // only root can give a file to another user
    cases.push_back({"a file of another user", [](const QString &lock) {
                       QFile file(lock);
                       ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                       ASSERT_EQ(fchown(file.handle(), 65534, 65534), 0);
                     }});
  for (const Case &c : cases) {
    TestHome home;
    const QString path = home.writeLottery("NY", "1 1 1 1\r\n"), lock = path + "..lock";
    c.make(lock);
    std::optional<QString> error;
    {
      test::FifoRelease release(lock);  // should the replace wait on the pipe, it fails instead of hanging
      error = replaceFileAtomically(path, "2 2 2 2\r\n");
    }
    ASSERT_TRUE(error) << c.kind;
    EXPECT_EQ(*error, "At the name of its lock file " + lock + " there is " + c.kind +
                          ", not the lock file that Corvessa makes there while it saves. Please remove it and save "
                          "again.");
    EXPECT_EQ(home.readFile(path), "1 1 1 1\r\n") << c.kind;
    EXPECT_TRUE(QFileInfo(lock).exists() || QFileInfo(lock).isSymLink()) << c.kind;

    // Once it is removed, the replace takes its own lock file and removes it when done.
    ASSERT_TRUE(QFileInfo(lock).isDir() ? QDir().rmdir(lock) : QFile::remove(lock)) << c.kind;
    EXPECT_FALSE(replaceFileAtomically(path, "2 2 2 2\r\n")) << c.kind;
    EXPECT_EQ(home.readFile(path), "2 2 2 2\r\n") << c.kind;
    EXPECT_EQ(QDir(home.path() + "/data").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"NY.txt"})
        << c.kind;
  }
}

// A file that changed moments before it was read is known by its bytes too;
// when they cannot be read again (here memory is short for them), the
// replace says that the check could not be made, and why, and writes nothing.
TEST(ReplaceFile, AChangeCheckThatCannotBeMadeSaysWhyAndWritesNothing) {
  if (!test::ShortMemory::available())
    GTEST_SKIP() << "memory cannot be limited under AddressSanitizer";
  TestHome home;
  const qsizetype size = qsizetype(32) << 20;
  const QString path = home.writeLottery("NY", QByteArray(size, '7'));
  FileStamp expected;
  {
    const FileContent read = readWholeFile(path);
    expected = read.stamp;
    addContentHashIfNeeded(expected, read.data);
  }
  ASSERT_TRUE(expected.contentHash);  // just written
  ReplaceOutcome outcome;
  {
    test::ShortMemory shortOfMemory(16 << 20);
    outcome = replaceFileIfUnchanged(path, "1 1 1 1\r\n", expected);
  }
  EXPECT_EQ(outcome.result, ReplaceOutcome::Result::Unverified);
  EXPECT_EQ(outcome.error, "There is not enough memory to read its 33554432 bytes.");
  EXPECT_EQ(home.readFile(path), QByteArray(size, '7'));
  EXPECT_EQ(QDir(home.path() + "/data").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            QStringList{"NY.txt"});
  // With the memory back, the check is made: the same file is replaced.
  EXPECT_EQ(replaceFileIfUnchanged(path, "1 1 1 1\r\n", expected).result, ReplaceOutcome::Result::Written);
  EXPECT_EQ(home.readFile(path), "1 1 1 1\r\n");
}

TEST(ReplaceFile, AFailedReplaceSaysWhatTheSystemSays) {
  TestHome home;
  // The file's name fits the file system, the temporary file's (7 bytes longer) does not.
  const QString path = home.writeLottery(QString(246, 'x'), "1 1 1 1\r\n");
  ASSERT_EQ(home.readFile(path), "1 1 1 1\r\n");
  EXPECT_EQ(replaceFileAtomically(path, "2 2 2 2\r\n"), qt_error_string(ENAMETOOLONG));
  EXPECT_EQ(home.readFile(path), "1 1 1 1\r\n");
}

TEST(ReadWholeFile, ReadsOrSaysWhy) {
  TestHome home;
  const QString path = home.writeLottery("NY", QByteArray("1 1 1 1\r\n\0", 10));
  const FileContent content = readWholeFile(path);
  EXPECT_FALSE(content.error);
  EXPECT_EQ(content.data.size(), 10);
  EXPECT_TRUE(readWholeFile(home.dataFile("None")).error);
  EXPECT_TRUE(readWholeFile(home.path() + "/data").error);
}

// Nothing is written through a symbolic link, whether it names the file or
// its folder, points to a file or to nothing: the write is refused with a
// reason that says so, and what the link points to stays as it was.
TEST(ReplaceFile, RefusesASymbolicLinkAndLeavesItsTarget) {
  TestHome home;
  const QString outside = home.writeFile("outside/victim.txt", "victim\r\n");
  struct Case {
    const char *name;
    QString link, target, written;  // the link and what it points to; the file written
  };
  const Case cases[] = {
      {"link to a file", home.dataFile("Evil"), outside, home.dataFile("Evil")},
      {"link to nothing", home.dataFile("Dangling"), home.path() + "/outside/new.txt", home.dataFile("Dangling")},
      {"link to a link", home.dataFile("Twice"), home.dataFile("Evil"), home.dataFile("Twice")},
      {"settings file a link", settingsFilePath(), outside, settingsFilePath()},
  };
  for (const Case &c : cases) {
    QFile::remove(c.link);
    ASSERT_TRUE(QFile::link(c.target, c.link)) << c.name;
    const std::optional<QString> refusal = replaceFileAtomically(c.written, "1 1 1 1\r\n");
    ASSERT_TRUE(refusal) << c.name;
    EXPECT_TRUE(refusal->startsWith("It is a symbolic link")) << refusal->toStdString();
    EXPECT_EQ(QFileInfo(c.link).symLinkTarget(), c.target) << c.name;
  }
  EXPECT_EQ(home.readFile(outside), "victim\r\n");
  EXPECT_FALSE(QFileInfo::exists(home.path() + "/outside/new.txt"));

  // The data folder itself a link to a folder elsewhere.
  QDir(home.path() + "/data").removeRecursively();
  ASSERT_TRUE(QFile::link(home.path() + "/outside", home.path() + "/data"));
  const std::optional<QString> refusal = replaceFileAtomically(home.dataFile("victim"), "1 1 1 1\r\n");
  ASSERT_TRUE(refusal);
  EXPECT_EQ(*refusal, "Its folder " + home.path() + "/data is a symbolic link, and Corvessa writes no file through "
                      "a link; the folder it points to was left as it was.");
  EXPECT_EQ(home.readFile(outside), "victim\r\n");
  EXPECT_EQ(QDir(home.path() + "/outside").entryList(QDir::Files), QStringList{"victim.txt"});
}

// A save killed halfway leaves its temporary file; the next save of that file
// removes it, and only files of exactly that shape that the program made.
TEST(ReplaceFile, RemovesTheTemporaryFilesAKilledSaveLeft) {
  TestHome home;
  const QString path = home.writeLottery("NY", "1 1 1 1\r\n");
  const QStringList stale{"NY.txt.~a3Xk9", "NY.txt.~00000"};
  for (const QString &name : stale)
    home.writeFile("data/" + name, "1 1 1 1\r\n");
  const QStringList kept{"NY.txt.backup", "NY.txt.fiHSJX", "NY.txt.~a3Xk", "NY.txt.~a3Xk9x", "NY.txt.~a3X-9",
                         "NY.txt~a3Xk9a", "NX.txt.~a3Xk9", "Y.txt.~a3Xk9", "NY.txt.~a3Xk9.txt"};
  for (const QString &name : kept)
    home.writeFile("data/" + name, "mine\r\n");
  // Of the right shape, but not a plain file with one name: a link, a folder, a second name of a file.
  ASSERT_TRUE(QFile::link(home.writeFile("outside/target.txt", "target\r\n"), home.path() + "/data/NY.txt.~linkd"));
  ASSERT_TRUE(QDir().mkpath(home.path() + "/data/NY.txt.~foldr"));
  ASSERT_EQ(::link(QFile::encodeName(home.writeFile("outside/linked.txt", "linked\r\n")).constData(),
                   QFile::encodeName(home.path() + "/data/NY.txt.~2name").constData()),
            0);

  ASSERT_FALSE(replaceFileAtomically(path, "2 2 2 2\r\n"));
  EXPECT_EQ(home.readFile(path), "2 2 2 2\r\n");
  QStringList expected = kept;
  expected << "NY.txt"
           << "NY.txt.~linkd"
           << "NY.txt.~foldr"
           << "NY.txt.~2name";
  expected.sort();
  EXPECT_EQ(QDir(home.path() + "/data").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
            expected);
  for (const QString &name : kept)
    EXPECT_EQ(home.readFile(home.path() + "/data/" + name), "mine\r\n") << name.toStdString();
  EXPECT_EQ(home.readFile(home.path() + "/outside/target.txt"), "target\r\n");

  EXPECT_TRUE(isTemporaryFileName("NY.txt.~a3Xk9", "NY.txt"));
  EXPECT_FALSE(isTemporaryFileName(".~a3Xk9", ""));
}
