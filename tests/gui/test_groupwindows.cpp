// The digit-group charts open from the "Winning number from" menu with their titles.
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;

TEST(GroupWindows, OpenFromTheMenuWithTheirTitles) {
  test::TestHome home;
  home.writeLottery("Groups", "1 9 4 1\r\n2 5 5 1\r\n3 7 2 7\r\n");
  home.selectLottery("Groups");
  test::FakePlatform platform;
  MainWindow *main = MainWindow::showMain(platform);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
  QMenu *menu = main->menu("caigaopin7ma");
  ASSERT_NE(menu, nullptr);

  const struct {
    const char *item, *window, *title;
  } tools[] = {
      {"caiwanneng5ma", "frmzuxuan1", "6 Way Box winning number from these 5 digits"},
      {"caiwan4", "frmzuxuan4", "6 Way Box winning number from these 4 digits"},
      {"caiwan6", "frmzuxuan6", "6 Way Box winning number from these 6 digits"},
      {"caiwan7", "frmzuxuan7", "6 Way Box winning number from these 7 digits"},
      {"cai6lianhao", "frm6lianhao", "6 Way Box winning number from these 6 digits"},
      {"caihuang6", "frmzuxuanqt", "Box winning number from these N digits"},
      {"cailingleizu6", "frmlingleizu6", "6 Way Box winning number from these N digits"},
  };
  for (const auto &t : tools) {
    SCOPED_TRACE(t.window);
    QAction *action = menu->findChild<QAction *>(t.item);
    ASSERT_NE(action, nullptr);
    action->trigger();
    QWidget *window = ToolWindows::instance().openInstance(t.window);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), t.title);
    // None of them shows a "Help" button, frm6lianhao's hidden one included.
    for (QPushButton *button : window->findChildren<QPushButton *>())
      EXPECT_FALSE(button->isVisible() && button->text() == "Help");
    EXPECT_TRUE(platform.messages.empty());
  }
  EXPECT_EQ(main->windowTitle(), "Corvessa");

  for (const auto &t : tools)
    delete ToolWindows::instance().openInstance(t.window);
  delete main;
}
