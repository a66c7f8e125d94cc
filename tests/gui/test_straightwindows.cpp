// The eight tools of the "Straight" menu, opened from the real menu and used
// as a user would: titles, the buttons each window shows, "Help", and the
// press highlight of the two shape charts.
#include "charts/framework/tool.h"
#include "core/toolmenus.h"
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
#include <QApplication>
#include <QColor>
#include <QHeaderView>
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

const QByteArray kDraws = "1 0 5 7\r\n2 2 7 3\r\n3 1 2 3\r\n4 5 5 5\r\n";

class StraightWindows : public test::MenuWindowTest {
 protected:
  void SetUp() override { startWith(kDraws); }
  ToolWindow *open(const char *item, const char *) { return chooseItem(item); }
};

}  // namespace

TEST_F(StraightWindows, EveryItemOpensItsToolWithItsTitleAndButtons) {
  using enum Help;
  struct Case {
    const char *item, *window, *title;
    const char *exit;
    Help help;
    const char *helpPage;
  };
  const Case cases[] = {
      {"cai3weizoushi", "frm3weizoushi", "Tundred Ten Units Trend", "Command2", Hidden, nullptr},
      {"caiwhzs", "frmweihe", "Units of H+T H+U T+U", "Command2", Working, "/help/Units_of_H_T_H_U_T_U.htm"},
      {"caiwczs", "frmweicha", "absolute value of H-T H-U T-U", "Command2", Working,
       "/help/Absolute_value_of_H-T_H-U_T-U.htm"},
      {"caiwjzs", "frmweiji", "Units of H*T H*U T*U", "Command2", Working, "/help/Units_of_HmT_HmU_TmU.htm"},
      {"caituao_xt", "frmxingxiang", "Rise-Down shape", "Command2", Working, "/help/Rise-Down_shape.htm"},
      {"caizhixuan_xt", "frmjibenxingtai", "Straight Number shape", "Command1", None, nullptr},
      {"cai320danxuan", "frmbaishi32zu", "Recommend 320 Straight Numbers", "Command2", Working,
       "/help/Recommend_320_Straight_Numbers.htm"},
      {"caimorveking", "frmzhixuanmorvek", "Recommend Tundred Ten Units", "Command2", DoesNothing, nullptr},
  };
  // The cases are the menu's items, in its order.
  QStringList caseItems;
  for (const Case &tc : cases)
    caseItems << QString::fromLatin1(tc.item);
  EXPECT_EQ(test::menuItemNames("cai3dgongjux"), caseItems);  // the menu's items, in its order

  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.window);
    QPointer<ToolWindow> w = open(tc.item, tc.window);
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->windowTitle(), tc.title);
    EXPECT_EQ(main->windowTitle(), "Corvessa");
    // The newest draw is in view.
    GridView *view = w->gridView();
    const QModelIndex last = view->model()->index(view->model()->rowCount() - 1, 0);
    EXPECT_TRUE(view->viewport()->rect().intersects(view->visualRect(last)));

    expectExitAndHelp(w, tc.exit, tc.help, tc.helpPage);
    expectExitCloses(w, tc.exit);
  }
}

TEST_F(StraightWindows, ThePairOfTheDrawIsRedUnderTheFirstGame) {
  ToolWindow *w = open("cai320danxuan", "frmbaishi32zu");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->gridView()->model()->headerData(4, Qt::Horizontal).toString(), "05");
  EXPECT_EQ(shown(w, 1, 5).toString(), "05");
  EXPECT_EQ(shown(w, 1, 5, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(shown(w, 1, 37).toString(), "YES");
  EXPECT_EQ(shown(w, 1, 6, Qt::BackgroundRole).value<QColor>(), QColor(212, 188, 134));
}

TEST_F(StraightWindows, APressTogglesTheHighlightInBothShapeCharts) {
  struct Case {
    const char *item, *window;
    int row, col;
    QColor mark, highlight;
  };
  const Case cases[] = {
      // The marked "EOO" of 0 5 7, and the green ".:|" of 1 2 3.
      {"caizhixuan_xt", "frmjibenxingtai", 1, 9, QColor(212, 219, 225), QColor(43, 145, 255)},
      {"caituao_xt", "frmxingxiang", 3, 1, QColor(42, 194, 91), QColor(42, 194, 91)},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.window);
    ToolWindow *w = open(tc.item, tc.window);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(shown(w, tc.row, tc.col, Qt::BackgroundRole).value<QColor>(), tc.mark);
    test::pressCell(w, tc.row, tc.col);
    if (tc.mark != tc.highlight)
      EXPECT_EQ(shown(w, tc.row, tc.col, Qt::BackgroundRole).value<QColor>(), tc.highlight);
    else
      EXPECT_FALSE(shown(w, tc.row, tc.col, Qt::BackgroundRole).isValid());
    test::pressCell(w, tc.row, tc.col);
    if (tc.mark != tc.highlight)
      EXPECT_FALSE(shown(w, tc.row, tc.col, Qt::BackgroundRole).isValid());  // the mark's colour does not come back
    else
      EXPECT_EQ(shown(w, tc.row, tc.col, Qt::BackgroundRole).value<QColor>(), tc.highlight);
    EXPECT_FALSE(shown(w, tc.row, tc.col).toString().isEmpty());
  }
}

TEST_F(StraightWindows, TheShapeChartsHeaderRowIsTallerThanItsRows) {
  ToolWindow *w = open("caizhixuan_xt", "frmjibenxingtai");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->gridView()->horizontalHeader()->height(), 300 / 15);
  EXPECT_EQ(w->gridView()->verticalHeader()->sectionSize(0), 240 / 15);
}
