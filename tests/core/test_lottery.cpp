// The program's folders, the settings file and lottery names.
#include "core/lottery.h"
#include "charts/tool.h"
#include "core/paths.h"
#include "core/toolmenus.h"
#include "support/core/diskfailure.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace corvessa;

TEST(ProgramFolders, UserFilesUnderTheHomeHelpPagesBesideTheProgram) {
  test::TestHome home;  // a fresh folder with no help pages in it
  EXPECT_EQ(dataFolder(), home.path() + "/data/");
  EXPECT_EQ(settingsFilePath(), home.path() + "/Varnel3/shujuwenjian.ini");
  EXPECT_EQ(helpFolder(), QCoreApplication::applicationDirPath() + "/help/");
  QStringList topics{"\\help\\Corvessa.htm", "\\help\\Quillaro.htm", "\\help\\New_Lottery.htm"};
  // The pages of the menus' tools (tests register example tools of their own).
  for (const ToolMenu &menu : toolMenus())
    for (const ToolMenuItem &item : menu.items)
      if (const ToolEntry *tool = item.isSeparator() ? nullptr : ToolRegistry::instance().find(item.windowName))
        if (!tool->design.helpPage.isEmpty())
          topics << tool->design.helpPage;
  for (const QString &topic : topics) {
    const QString page = helpPagePath(topic);
    EXPECT_EQ(page, helpFolder() + topic.mid(6)) << topic.toStdString();
    EXPECT_TRUE(QFileInfo(page).isFile()) << page.toStdString();
  }
}

TEST(SettingsFile, WritesOneQuotedRecordAndKeepsTheOldOneOnFailure) {
  test::TestHome home;
  ASSERT_EQ(writeCurrentLotteryName("NY.txt"), std::nullopt);
  EXPECT_EQ(home.readFile(settingsFilePath()), QByteArray("\"NY.txt\"\r\n"));
  EXPECT_EQ(readCurrentLotteryName(), QString("NY.txt"));
  {
    test::FailingWrites full;
    const std::optional<QString> failed = writeCurrentLotteryName("Other.txt");
    ASSERT_TRUE(failed.has_value());
    EXPECT_TRUE(failed->startsWith("Cannot write the settings file " + settingsFilePath())) << failed->toStdString();
  }
  EXPECT_EQ(home.readFile(settingsFilePath()), QByteArray("\"NY.txt\"\r\n"));
}

TEST(LotteryNames, RefusedNamesAndLabels) {
  for (const char *bad : {"", "a/b", "a\\b", "..", "x..y", "a\"b", "a\tb", "a\nb"})
    EXPECT_TRUE(lotteryNameProblem(bad).has_value()) << bad;
  for (const char *good : {"NY", "my.lot", "Pick 3", "彩票"})
    EXPECT_FALSE(lotteryNameProblem(QString::fromUtf8(good)).has_value()) << good;
  EXPECT_EQ(lotteryLabelText("NY.txt"), "Lottery:NY.");
  EXPECT_EQ(lotteryLabelText("my.lot.txt"), "Lottery:my.lot.");
  EXPECT_EQ(lotteryLabelText("noext"), "Lottery:");
}
