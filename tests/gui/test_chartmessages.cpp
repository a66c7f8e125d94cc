// What a chart window opened from the menus says once about its draw file:
// draws that end before the file does, a draw file that is not a file or too
// large to read, and a chart too large for memory.
#include "core/paths.h"
#include "core/resultgrid.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/windows.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace corvessa;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

class ChartMessages : public ::testing::Test {
 protected:
  void TearDown() override { test::destroyAllWindows(); }
  // Opens one chart on the current lottery and returns what it said.
  std::vector<FakePlatform::Message> openChart() {
    platform.messages.clear();
    MainWindow *main = MainWindow::showMain(platform);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    main->OpenToolFormWithWait("frmgaopin6ma36");
    EXPECT_TRUE(test::waitUntilOnScreen(ToolWindows::instance().openInstance("frmgaopin6ma36")));
    return platform.messages;
  }

  TestHome home;
  FakePlatform platform;
};

}  // namespace

TEST_F(ChartMessages, DrawsEndingBeforeTheFileAreReportedBesideLeftOutRecords) {
  const QString path = home.writeLottery("A", "1 1 2 3\r\n2 12 2 3\r\n3 4 5 6\r\nEnd of draws\r\n7 7 8 9\r\n");
  home.selectLottery("A");
  const auto messages = openChart();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "Error:");
  EXPECT_TRUE(messages[0].ownerShown);  // over the chart, once it is on the screen
  EXPECT_EQ(messages[0].ownerCaption, "Box winning number from this 6 digits");
  const QString &text = messages[0].text;
  EXPECT_TRUE(text.contains("1 record(s) of the draw file " + path)) << text.toStdString();
  EXPECT_TRUE(text.contains(path + " ends at line 4, whose date or issue number is empty, 0 or not a whole number: "
                                   "\"End of draws\"\nThe lines after it are not read as draws."))
      << text.toStdString();
}

TEST_F(ChartMessages, ADirectoryOrAPipeIsNotAFile) {
  const QString path = home.dataFile("A");
  struct Case {
    const char *name;
    bool (*make)(const QString &path);
  };
  const Case cases[] = {
      {"directory", [](const QString &p) { return QDir().mkpath(p); }},
      {"pipe", [](const QString &p) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
  };
  for (const Case &c : cases) {
    ASSERT_TRUE(c.make(path)) << c.name;
    home.selectLottery("A");
    const auto messages = openChart();  // a pipe opened for reading would hang here
    ASSERT_EQ(messages.size(), 1u) << c.name;
    EXPECT_EQ(messages[0].title, "Error:");
    EXPECT_EQ(messages[0].text, "Cannot read the draw file " + path + ": It is not a file.\nThe chart shows no draws.")
        << c.name;
    test::destroyAllWindows();
    QDir().rmdir(path);
    QFile::remove(path);
  }
}

// A draw file far larger than memory (a sparse file costs no disk) is refused
// by its size: the chart opens with no draws and says so once.
TEST_F(ChartMessages, AHugeDrawFileIsRefusedByItsSize) {
  const QString path = home.dataFile("A");
  QFile huge(path);
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(qint64(64) << 30));
  huge.close();
  home.selectLottery("A");
  const auto messages = openChart();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "Error:");
  EXPECT_EQ(messages[0].text, "Cannot read the draw file " + path + ": It is 68719476736 bytes long, more than the "
                              "268435456 bytes (256 MB) that Corvessa reads from such a file.\nThe chart shows no "
                              "draws.");
  auto *window = qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance("frmgaopin6ma36"));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->grid().rows(), 2 + 4);  // header, spare row and the footer of no draws
}

// A chart whose grid would not fit in memory opens empty and says why once; a
// small limit stands in for the computer's memory.
TEST_F(ChartMessages, AChartTooLargeForMemoryOpensEmpty) {
  QByteArray draws;
  for (int i = 1; i <= 100; ++i)
    draws += QByteArray::number(i) + " 1 2 3\r\n";
  home.writeLottery("A", draws);
  home.selectLottery("A");
  setGridCellLimit(20000);
  platform.messages.clear();
  MainWindow *main = MainWindow::showMain(platform);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
  main->OpenToolFormWithWait("frmdanma4");
  setGridCellLimit(0);
  ASSERT_TRUE(test::waitUntilOnScreen(ToolWindows::instance().openInstance("frmdanma4")));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Error:");
  EXPECT_EQ(platform.messages[0].text,
            "This chart needs a grid of 21930 cells, more than the 20000 cells that fit in this computer's memory.\n"
            "The history of 100 draws is not shown; the chart shows no draws.");
  auto *window = qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance("frmdanma4"));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "2 digits from 4 digits");
  EXPECT_EQ(window->grid().text(1, 0), "");  // no draw rows
  EXPECT_EQ(main->windowTitle(), "Corvessa");
}
