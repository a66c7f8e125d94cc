// The charts of the "3 Way Box" menu, opened from their menu items as the
// user opens them: legends, the copy of miss runs on a double-click,
// and a draw file that is missing.
#include "core/resultgrid.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/menuwindows.h"
#include "support/gui/windows.h"

#include <QAction>
#include <QColor>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::shown;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

class ThreeWayBoxWindows : public test::MenuWindowTest {};

// 60 draws: 5 0 5 every tenth draw from draw 3 on, 1 2 3 otherwise.
QByteArray sixtyDraws() {
  QByteArray draws;
  for (int i = 1; i <= 60; ++i)
    draws += QByteArray::number(i) + (i % 10 == 3 ? " 5 0 5\r\n" : " 1 2 3\r\n");
  return draws;
}

// 15 draws: "55" is won in draws 3 and 10.
QByteArray fifteenDraws() {
  QByteArray draws;
  for (int i = 1; i <= 15; ++i)
    draws += QByteArray::number(i) + (i == 3 || i == 10 ? " 5 0 5\r\n" : " 1 2 3\r\n");
  return draws;
}

}  // namespace

TEST_F(ThreeWayBoxWindows, TheTrendsLegendsSitUnderTheGridLeftOfExit) {
  home.writeLottery("L", sixtyDraws());
  home.selectLottery("L");
  ToolWindow *w = chooseItem("caizu3zoushi");
  ASSERT_NE(w, nullptr);
  QLabel *first = w->label("Label1"), *second = w->label("Label2");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->text(), "Small:00,11,22,33,44;Big:55,66,77,88,99;Composite:00,44,66,88,99;Prime:11,22,33,55,77.");
  EXPECT_EQ(second->text(), "0Type:00,33,66,99;1Type:11,44,77;2Type:22,55,88.");
  EXPECT_TRUE(first->isVisible() && second->isVisible());
  EXPECT_GT(first->geometry().top(), w->gridView()->geometry().bottom());
  EXPECT_GT(second->geometry().top(), first->geometry().bottom());
  EXPECT_LT(first->geometry().right(), w->button("Command2")->geometry().left());
  // The pair "55" on red in draw 53, counted in grey above it.
  EXPECT_EQ(shown(w, 53, 13).toString(), "55");
  EXPECT_EQ(shown(w, 53, 13, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(shown(w, 52, 13).toString(), "9");
  EXPECT_EQ(shown(w, 52, 13, Qt::ForegroundRole).value<QColor>(), QColor(188, 194, 182));
}

TEST_F(ThreeWayBoxWindows, ADoubleClickCopiesTheColumnsMissRuns) {
  home.writeLottery("L", fifteenDraws());
  home.selectLottery("L");
  ToolWindow *w = chooseItem("caizusanleixing2");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->label("Label1")->text(), "[S:Small],[B:Big],[E:Even],[O:Odd],[P:Prime],[C:Composite].");
  platform.clipboard = "held before";
  test::doubleClickCell(w, 12, 13);
  EXPECT_EQ(platform.clipboard, "2\r\n6\r\n");
  test::doubleClickCell(w, 12, 8);  // "00" was never won
  EXPECT_EQ(platform.clipboard, "");
  EXPECT_EQ(shown(w, 19, 13).toString(), "6");  // "Max Miss"
}

// A pair column's header is part of its column: a double-click on "55" copies
// the column's runs as one on its cells does. A press there still colours
// nothing, and the labels' column copies nothing.
TEST_F(ThreeWayBoxWindows, ADoubleClickOnAPairsHeaderCopiesItsMissRuns) {
  home.writeLottery("L", fifteenDraws());
  home.selectLottery("L");
  for (const char *item : {"caizusanleixing2", "caizu3zoushi"}) {
    SCOPED_TRACE(item);
    ToolWindow *w = chooseItem(item);
    ASSERT_NE(w, nullptr);
    const ResultGrid before = w->grid();
    platform.clipboard = "held before";
    test::pressCell(w, 0, 13);
    test::doubleClickCell(w, 1, 0);  // a draw's label
    EXPECT_EQ(platform.clipboard, "held before");
    test::doubleClickCell(w, 0, 13);
    EXPECT_EQ(platform.clipboard, "2\r\n6\r\n");
    EXPECT_EQ(w->grid().currentRow(), 15);  // the column's last draw, as after a double-click on a cell
    EXPECT_EQ(w->grid().currentCol(), 13);
    test::doubleClickCell(w, 0, 8);  // "00" was never won
    EXPECT_EQ(platform.clipboard, "");
    for (int r = 0; r < before.rows(); ++r)
      for (int c = 0; c < before.cols(); ++c)
        ASSERT_EQ(w->grid().backColor(r, c), before.backColor(r, c)) << r << "," << c;
    w->close();
  }
}

TEST_F(ThreeWayBoxWindows, AMissingDrawFileOpensEmptyWithOneMessage) {
  home.selectLottery("Gone");
  const struct {
    const char *item, *window;
    int headerCol;
    const char *header;
  } cases[] = {
      {"caizu31", "Form1zu3", 5, "3 Way Box"},
      {"caizu32", "Form1tlj", 5, "3 Way Box"},
      {"caizu33", "Form1zu3bai10", 8, "3 Way Box"},
      {"caizu3tongji", "frmzusan90", 96, "Winning Number Miss"},
  };
  for (const auto &tc : cases) {
    SCOPED_TRACE(tc.window);
    platform.messages.clear();
    ToolWindow *w = chooseItem(tc.item);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().title, "Error:");
    EXPECT_TRUE(platform.lastMessage().text.contains(home.dataFile("Gone")));
    const ResultGrid &grid = w->grid();
    EXPECT_EQ(grid.rows(), 5);
    EXPECT_EQ(grid.textView(0, tc.headerCol), tc.header);
    for (int r = 1; r < grid.rows(); ++r)
      for (int c = 0; c < grid.cols(); ++c)
        EXPECT_TRUE(grid.isEmpty(r, c) && grid.backColor(r, c) == 0) << r << "," << c;
    w->close();
  }
}
