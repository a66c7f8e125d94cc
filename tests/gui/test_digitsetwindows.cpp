// The digit-set charts and the two "Other recommend digits" windows, opened
// from the real "Digit" menu as a user does.
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/windows.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;

TEST(DigitSetWindows, OpenFromTheDigitMenuWithTheirTitlesHelpAndExit) {
  test::TestHome home;
  home.writeLottery("Digits", "1 7 2 7\r\n2 3 1 2\r\n");
  home.selectLottery("Digits");
  test::FakePlatform platform;
  MainWindow *main = MainWindow::showMain(platform);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
  QMenu *menu = main->menu("danmayouguan");
  ASSERT_NE(menu, nullptr);

  // Each with a cell of the newest draw, 3 1 2, as the grid shows it.
  const struct {
    const char *item, *window, *title, *helpPage;
    int col;
    const char *header, *mark;
  } tools[] = {
      {"caiz3b2", "frmz3b2", "Other recommend digits-[2/3 formula]", "/help/Other_recommend_digits-23_formula.htm",
       13, "Y/N", "   -Y-"},
      {"cailiandan", "frmdanma3", "Other recommend digits-[Serial]", "/help/Other_recommend_digits-Serial.htm", 14,
       "901", " *"},
      {"cai3m2", "frmdanma3c2", "2 digits from 3 digits", "/help/2_digits_from_3_digits.htm", 41, "123", "$"},
      {"cai4ma2", "frmdanma4", "2 digits from 4 digits", "/help/2_digits_from_4_digits.htm", 6, "0124", "$"},
      {"cai3m0", "frmdanma30", "0 digits from 3 digits", "/help/0_digits_from_3_digits.htm", 105, "456", " 0"},
      {"cai4m0", "frmdanma40", "0 digits from 4 digits", "/help/0_digits_from_4_digits.htm", 214, "6789", " 0"},
      {"cai2m12", "frmdanma212", "1-2 digits from 2 digits", "/help/1-2_digits_from_2_digits.htm", 5, "01", " *"},
      {"cai3m13", "frmdanma313", "1-3 digits from 3 digits", "/help/1-3_digits_from_3_digits.htm", 12, "019", "$"},
  };
  for (const auto &t : tools) {
    SCOPED_TRACE(t.window);
    QAction *action = menu->findChild<QAction *>(t.item);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    action->trigger();
    QPointer<ToolWindow> w = qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance(t.window));
    ASSERT_FALSE(w.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->windowTitle(), t.title);
    EXPECT_EQ(main->windowTitle(), "Corvessa");

    // The fixed row and column are the header row and the labels.
    const QAbstractItemModel *model = w->gridView()->model();
    EXPECT_EQ(model->headerData(t.col - 1, Qt::Horizontal).toString(), t.header);
    EXPECT_EQ(model->headerData(1, Qt::Vertical).toString(), " 2:312");
    EXPECT_EQ(model->data(model->index(1, t.col - 1)).toString(), t.mark);

    QTest::mouseClick(w->button("Command3"), Qt::LeftButton);
    ASSERT_FALSE(platform.opened.isEmpty());
    EXPECT_TRUE(platform.opened.last().endsWith(t.helpPage)) << platform.opened.last().toStdString();
    EXPECT_EQ(w->button("Command2")->text(), "Exit");
    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
  }
  EXPECT_TRUE(platform.messages.empty());
  test::destroyAllWindows();
}
