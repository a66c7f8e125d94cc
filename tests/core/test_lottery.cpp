// The settings file and lottery names.
#include "core/lottery.h"
#include "core/paths.h"
#include "support/core/diskfailure.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"

#include <gtest/gtest.h>

using namespace corvessa;

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
