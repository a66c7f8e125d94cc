// The program's folders, the settings file and lottery names.
#include "core/lottery.h"
#include "charts/framework/tool.h"
#include "core/paths.h"
#include "tools/menus.h"
#include "support/core/diskfailure.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace corvessa;

TEST(ProgramFolders, UserFilesUnderTheHomeHelpPagesBesideTheProgram) {
  test::TestHome home;  // a fresh folder with no help pages in it
  EXPECT_EQ(dataFolder(), home.path() + "/data/");
  EXPECT_EQ(settingsFilePath(), home.path() + "/Varnel3/shujuwenjian.ini");
  EXPECT_EQ(helpFolder(), QCoreApplication::applicationDirPath() + "/help/");
  QStringList topics{"\\help\\Corvessa.htm", "\\help\\Quillaro.htm", "\\help\\New_Lottery.htm"};
  // The pages of the menus' tools.
  for (const ToolEntry &tool : toolRegistry().entries())
    if (!tool.design.helpPage.isEmpty())
      topics << tool.design.helpPage;
  for (const QString &topic : topics) {
    const QString page = helpPagePath(topic);
    EXPECT_EQ(page, helpFolder() + topic.mid(6)) << topic.toStdString();
    EXPECT_TRUE(QFileInfo(page).isFile()) << page.toStdString();
  }
}

// The folders a start makes for the user's files are the user's alone, each
// folder made new on the way included; folders already there keep their
// modes, and files are made as the umask says.
TEST(ProgramFolders, FoldersMadeNewAreTheUsersAlone) {
  test::TestHome home;
  const QString base = home.path() + "/share";  // there already, as ~/.local/share is
  ASSERT_TRUE(QDir().mkpath(base));
  ASSERT_EQ(::chmod(QFile::encodeName(base).constData(), 0755), 0);
  qputenv("CORVESSA_HOME", QFile::encodeName(base + "/new/corvessa"));
  const mode_t oldMask = ::umask(022);
  const std::optional<QString> failed = prepareProgramFolders();
  ::umask(oldMask);
  ASSERT_EQ(failed, std::nullopt);
  auto mode = [](const QString &path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
  };
  EXPECT_EQ(mode(base), 0755);
  for (const char *folder : {"/new", "/new/corvessa", "/new/corvessa/data", "/new/corvessa/Varnel3"})
    EXPECT_EQ(mode(base + folder), 0700) << folder;
  EXPECT_EQ(mode(base + "/new/corvessa/data/Pick3.txt"), 0644);
  EXPECT_EQ(mode(base + "/new/corvessa/Varnel3/shujuwenjian.ini"), 0644);
}

// A folder that cannot be made is said with the system's reason, naming the
// folder on the way that stood in its way.
TEST(ProgramFolders, AFolderThatCannotBeMadeIsSaidWithItsReason) {
  test::TestHome home;
  home.writeFile("afile", "not a folder\r\n");
  struct Case {
    QString corvessaHome;
    QString said;
  };
  const Case cases[] = {
      {home.path() + "/afile/home",
       "Cannot create the data folder " + home.path() + "/afile/home/data/: " + home.path() + "/afile: Not a directory"},
      {home.path() + "/afile", "Cannot create the data folder " + home.path() + "/afile/data/: " + home.path() +
                                   "/afile: Not a directory"},
  };
  for (const Case &c : cases) {
    qputenv("CORVESSA_HOME", QFile::encodeName(c.corvessaHome));
    EXPECT_EQ(prepareProgramFolders(), c.said);
  }
  // The data folder's own name taken by a file; the settings folder's.
  qputenv("CORVESSA_HOME", QFile::encodeName(home.path() + "/h"));
  home.writeFile("h/data", "");
  EXPECT_EQ(prepareProgramFolders(), "Cannot create the data folder " + home.path() + "/h/data/: Not a directory");
  QFile::remove(home.path() + "/h/data");
  home.writeFile("h/Varnel3", "");
  EXPECT_EQ(prepareProgramFolders(),
            "Cannot create the settings folder " + home.path() + "/h/Varnel3/: Not a directory");
}

TEST(SettingsFile, WritesOneQuotedRecordAndKeepsTheOldOneOnFailure) {
  test::TestHome home;
  ASSERT_EQ(writeCurrentLotteryName("NY.txt"), std::nullopt);
  EXPECT_EQ(home.readFile(settingsFilePath()), QByteArray("\"NY.txt\"\r\n"));
  EXPECT_EQ(startCurrentLottery().fileName, "NY.txt");
  {
    test::FailingWrites full;
    const std::optional<QString> failed = writeCurrentLotteryName("Other.txt");
    ASSERT_TRUE(failed.has_value());
    EXPECT_TRUE(failed->startsWith("Cannot write the settings file " + settingsFilePath())) << failed->toStdString();
  }
  EXPECT_EQ(home.readFile(settingsFilePath()), QByteArray("\"NY.txt\"\r\n"));
}

TEST(LotteryNames, RefusedNamesAndLabels) {
  // Read by code point: a format character is refused wherever it lies in Unicode.
  for (const char *bad : {"", "a/b", "a\\b", "..", "a\"b", "a\tb", "a\nb", ".", "...", "a\u202eb", "a\u200bb",
                          "\u200e", "NY\U000E0041", "\U000E0001", "a\U0001D173b", "\U0001BCA0", " NY"})
    EXPECT_TRUE(lotteryNameProblem(QString::fromUtf8(bad)).has_value()) << bad;
  EXPECT_TRUE(lotteryNameProblem(QString(QChar(0xDC00)) + "NY").has_value());  // half a pair
  for (const char *good : {"NY", "my.lot", "Pick 3", "彩票", ".NY", "NY.", "x..y", "NY ", "\U0001F600", "\U0001D11E"})
    EXPECT_FALSE(lotteryNameProblem(QString::fromUtf8(good)).has_value()) << good;
  EXPECT_EQ(lotteryLabelText("NY.txt"), "Lottery:NY.");
  EXPECT_EQ(lotteryLabelText("my.lot.txt"), "Lottery:my.lot.");
  EXPECT_EQ(lotteryLabelText("noext"), "Lottery:");
}

// The data folder's file system takes names of 255 bytes; a save's temporary
// file is 7 bytes longer than the lottery's file, ".txt" included.
TEST(LotteryNames, LongNamesAreRefusedWhereTheirSavesWouldFail) {
  test::TestHome home;
  struct Case {
    QString name;
    bool accepted;
  };
  const QString han = QString::fromUtf8("彩");  // 3 bytes in UTF-8
  const Case cases[] = {
      {QString(244, 'x'), true}, {QString(245, 'x'), false}, {QString(251, 'x'), false},
      {QString(252, 'x'), false}, {han.repeated(81), true},  {han.repeated(82), false},
  };
  for (const Case &c : cases) {
    const std::optional<QString> problem = lotteryNameProblem(c.name);
    EXPECT_EQ(!problem, c.accepted) << c.name.size();
    if (problem) {
      EXPECT_TRUE(problem->startsWith("A lottery name can be at most 244 bytes long; this one has "))
          << problem->toStdString();
    }
    const std::optional<QString> fileProblem = lotteryFileNameProblem(c.name + ".txt");
    EXPECT_EQ(!fileProblem, c.accepted) << c.name.size();
  }
}

TEST(LotteryNames, AFileNameMustLieDirectlyInTheDataFolder) {
  test::TestHome home;
  for (const char *bad : {"", ".", "..", "../outside/victim.cfg", "/etc/victim.txt", "sub/NY.txt", "a\"b.txt",
                          "NY\u202e.txt", "NY\U000E0041.txt", "noext", ".txt", "...txt", " NY.txt", "NY.txt.~a3Xk9",
                          "NY.txt.lock", "NY.txt.~a3Xk9.tmp"})
    EXPECT_TRUE(lotteryFileNameProblem(QString::fromUtf8(bad)).has_value()) << bad;
  // What New Lottery makes of "NY." and ".NY", and ".txt" in the letter case the dialog lists.
  for (const char *good : {"NY.txt", "my.lot.txt", "彩票.txt", "NY..txt", ".NY.txt", "NY.TXT", "NY.txt.~a3Xk9.txt"})
    EXPECT_FALSE(lotteryFileNameProblem(QString::fromUtf8(good)).has_value()) << good;
}

// A settings file holds one name: a huge one (a sparse file costs no disk) is
// refused by its size, once, and the start goes on as a first start does,
// writing a sound settings file in its place.
TEST(SettingsFile, AHugeOneIsRefusedByItsSizeAndTheStartGoesOn) {
  test::TestHome home;
  QFile settings(settingsFilePath());
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  ASSERT_TRUE(settings.resize(qint64(64) << 30));
  settings.close();
  const StartLottery start = startCurrentLottery();
  EXPECT_EQ(start.fileName, "Pick3.txt");
  ASSERT_TRUE(start.problem);
  EXPECT_TRUE(start.problem->startsWith("Cannot read the settings file " + settingsFilePath() +
                                        ": It is 68719476736 bytes long, more than the 65536 bytes (64 KB) that "
                                        "Corvessa reads from such a file.\r\nCorvessa goes on as at a first start"))
      << start.problem->toStdString();
  EXPECT_EQ(home.readFile(settingsFilePath()), "\"Pick3.txt\"\r\n");
}

// New Lottery and the settings file write nothing through a symbolic link.
TEST(LotteryFiles, NewLotteryAndTheSettingsFileRefuseSymbolicLinks) {
  test::TestHome home;
  const QString outside = home.writeFile("outside/victim.txt", "victim\r\n");
  ASSERT_TRUE(QFile::link(outside, home.dataFile("Evil")));
  ASSERT_TRUE(QFile::link(home.path() + "/outside/new.txt", home.dataFile("Dangling")));
  for (const char *name : {"Evil", "Dangling"}) {
    const CreateOutcome made = createLotteryFile(name);
    EXPECT_EQ(made.result, CreateResult::Failed) << name;
    EXPECT_EQ(made.error, "Cannot create the lottery file " + home.dataFile(name) + ": It is a symbolic link, and "
                          "Corvessa writes no file through a link; the file it points to was left as it was.");
  }
  EXPECT_EQ(createLotteryFile("NY").result, CreateResult::Created);
  EXPECT_EQ(createLotteryFile("NY").result, CreateResult::AlreadyExists);

  ASSERT_TRUE(QFile::link(outside, settingsFilePath()));
  const std::optional<QString> failed = writeCurrentLotteryName("NY.txt");
  ASSERT_TRUE(failed);
  EXPECT_TRUE(failed->startsWith("Cannot write the settings file " + settingsFilePath() + ": It is a symbolic link"))
      << failed->toStdString();
  EXPECT_EQ(home.readFile(outside), "victim\r\n");
  EXPECT_FALSE(QFileInfo::exists(home.path() + "/outside/new.txt"));
}

// New Lottery takes back the empty file it made; a file that holds draws by
// now, or anything but a plain file, stays.
TEST(LotteryFiles, RemovingANewLotteryFileKeepsAnyFileWithDraws) {
  test::TestHome home;
  ASSERT_EQ(createLotteryFile("Empty").result, CreateResult::Created);
  EXPECT_EQ(removeNewLotteryFile(home.dataFile("Empty")), std::nullopt);
  EXPECT_FALSE(QFileInfo::exists(home.dataFile("Empty")));
  EXPECT_EQ(removeNewLotteryFile(home.dataFile("Empty")), std::nullopt);  // gone already: nothing to say

  ASSERT_EQ(createLotteryFile("Written").result, CreateResult::Created);
  home.writeLottery("Written", "1 1 2 3\r\n");
  ASSERT_TRUE(QFile::link(home.writeFile("outside/empty.txt", ""), home.dataFile("Link")));
  for (const char *name : {"Written", "Link"}) {
    const std::optional<QString> left = removeNewLotteryFile(home.dataFile(name));
    ASSERT_TRUE(left) << name;
    EXPECT_EQ(*left, "The file " + home.dataFile(name) +
                         " was left as it is: it is no longer the empty file New Lottery made.");
  }
  EXPECT_EQ(home.readFile(home.dataFile("Written")), "1 1 2 3\r\n");
  EXPECT_TRUE(QFileInfo(home.dataFile("Link")).isSymLink());
}
