// The pages that buttons hand to the system's browser: each opener names its
// page in one "Error:" message with the warning icon when no browser can be
// started, and says nothing when one can.
#include "core/paths.h"
#include "gui/editor/draweditor.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/sitepages.h"
#include "gui/startwindow.h"
#include "gui/toolwindows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/windows.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace corvessa;

namespace {

class Pages : public ::testing::Test {
 protected:
  void TearDown() override { test::destroyAllWindows(); }
  test::TestHome home;
  test::FakePlatform platform;
};

}  // namespace

TEST_F(Pages, APageNoBrowserTakesIsNamedInOneErrorMessage) {
  home.writeLottery("A", "1 1 2 3\r\n2 4 5 6\r\n");
  home.selectLottery("A");
  auto *start = new StartWindow(platform);
  start->show();
  MainWindow *main = MainWindow::showMain(platform);
  auto *editor = new DrawEditor(platform);
  editor->show();
  auto *tool = qobject_cast<ToolWindow *>(ToolWindows::instance().open("frm4qufenge", platform));
  ASSERT_NE(tool, nullptr);
  const auto click = [](QPushButton *button) { return [button] { QTest::mouseClick(button, Qt::LeftButton); }; };

  const struct {
    const char *opener;
    std::function<void()> press;
    QString page;
    int questions;  // asked before the page is opened
  } cases[] = {
      {"Home Page", click(start->Command1), homePageAddress(), 0},
      {"main Help", click(main->Command11), helpPagePath("\\help\\Corvessa.htm"), 0},
      {"New Lottery Help",
       [main] { main->menu("caixinjian")->findChild<QAction *>("caixinjiancaipiaobzh")->trigger(); },
       helpPagePath("\\help\\New_Lottery.htm"), 0},
      {"Edit Drawings Help", click(editor->Command18), helpPagePath("\\help\\Edit_Drawings.htm"), 0},
      {"Data Download Help", click(editor->Command15), helpPagePath("\\help\\Data_Download-Data_Import.htm"), 0},
      {"Download", click(editor->Command14), downloadPageAddress(), 1},
      {"tool Help", click(tool->button("Command3")), helpPagePath("\\help\\Four_Regions-1234.htm"), 0},
  };
  for (const auto &c : cases) {
    for (const bool starts : {true, false}) {
      SCOPED_TRACE(std::string(c.opener) + (starts ? ", browser starts" : ", no browser"));
      platform.browserStarts = starts;
      platform.messages.clear();
      platform.opened.clear();
      platform.answers = {MessageAnswer::Yes};
      c.press();
      EXPECT_EQ(platform.opened, QStringList{c.page});
      ASSERT_EQ(int(platform.messages.size()), c.questions + (starts ? 0 : 1));
      if (starts)
        continue;
      EXPECT_EQ(platform.lastMessage().title, "Error:");
      EXPECT_EQ(platform.lastMessage().style, MessageStyle::OkWarning);  // its icon agrees with its title
      EXPECT_TRUE(platform.lastMessage().text.contains(c.page)) << platform.lastMessage().text.toStdString();
    }
  }
}
