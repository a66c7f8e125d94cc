// Cold Warm Hot, opened from the real "Winning number from" menu and used
// as a user would.
#include "charts/framework/tool.h"
#include "core/programstate.h"
#include "tools/menus.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/gui/windows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/menuwindows.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::shown;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

// The ranking for the coming draw is 5 8 1 | 9 0 2 3 | 4 6 7.
const QByteArray kSevenDraws =
    "1 5 5 5\r\n2 8 8 8\r\n3 5 5 5\r\n4 8 1 1\r\n5 1 9 9\r\n6 0 2 3\r\n7 4 6 7\r\n";

class HeatWindows : public test::MenuWindowTest {};

}  // namespace

TEST_F(HeatWindows, ColdWarmHotListsTheNextBoxNumbersAndHidesThemAgain) {
  startWith(kSevenDraws);
  ToolWindow *w = chooseItem("cailengwenre");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Cold Warm Hot");
  EXPECT_TRUE(platform.messages.empty());

  QPushButton *exit = w->button("Command1"), *list = w->button("Command2"), *help = w->button("Command3");
  ASSERT_TRUE(exit && list && help);
  EXPECT_EQ(exit->text(), "Exit");
  EXPECT_EQ(list->text(), "Next Box numbers ");
  EXPECT_EQ(help->text(), "Help");
  // From the right: "Exit", the list button, "Help", on one line under the grid.
  EXPECT_GT(exit->x(), list->x());
  EXPECT_GT(list->x(), help->x());
  EXPECT_EQ(exit->y(), list->y());
  EXPECT_EQ(help->y(), list->y());
  EXPECT_GT(list->y(), w->gridView()->geometry().bottom());

  QPlainTextEdit *text = w->textBox("Text1");
  ASSERT_NE(text, nullptr);
  EXPECT_FALSE(text->isVisible());

  // The ranking row under the last draw, as the grid shows it.
  QStringList ranking;
  for (int c = 12; c <= 21; ++c)
    ranking << shown(w, 8, c).toString();
  EXPECT_EQ(ranking.join(' '), "5 8 1 9 0 2 3 4 6 7");

  QTest::mouseClick(list, Qt::LeftButton);
  EXPECT_EQ(list->text(), "Hide Box numbers");
  ASSERT_TRUE(text->isVisible());
  const QString listed = text->toPlainText();
  EXPECT_TRUE(listed.startsWith("003:\n467 446 447 466 667 477 677 444 666 777 \n\n030:\n"));
  EXPECT_TRUE(listed.contains("\n\n111:\n459 569 579 045 "));
  EXPECT_EQ(listed.count(':'), 10);

  QTest::mouseClick(list, Qt::LeftButton);
  EXPECT_EQ(list->text(), "Next Box numbers");
  EXPECT_FALSE(text->isVisible());

  QTest::mouseClick(list, Qt::LeftButton);
  EXPECT_EQ(list->text(), "Hide Box numbers");
  EXPECT_TRUE(text->isVisible());
  EXPECT_EQ(text->toPlainText(), listed);

  QTest::mouseClick(help, Qt::LeftButton);
  ASSERT_EQ(platform.opened.size(), 1);
  EXPECT_TRUE(platform.opened[0].endsWith("/help/Cold_Warm_Hot.htm")) << platform.opened[0].toStdString();

  QPointer<ToolWindow> alive = w;
  QTest::mouseClick(exit, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}

TEST_F(HeatWindows, ColdWarmHotWithFewDrawsSaysSoInTheList) {
  startWith("1 1 2 3\r\n2 4 5 6\r\n");
  ToolWindow *w = chooseItem("cailengwenre");
  ASSERT_NE(w, nullptr);
  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  EXPECT_EQ(w->button("Command2")->text(), "Hide Box numbers");
  EXPECT_TRUE(w->textBox("Text1")->isVisible());
  EXPECT_TRUE(w->textBox("Text1")->toPlainText().startsWith("Not enough draws"));
}

TEST_F(HeatWindows, ColdWarmHotPressTogglesTheHighlight) {
  startWith(kSevenDraws + "8 4 4 9\r\n");
  ToolWindow *w = chooseItem("cailengwenre");
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(shown(w, 8, 19).toString(), "4");  // the cold 4
  EXPECT_EQ(shown(w, 8, 19, Qt::BackgroundRole).value<QColor>(), QColor(42, 140, 167));
  test::expectPressTogglesHighlight(w, 8, 19, QColor(43, 145, 255));  // the cold colour does not come back
}

