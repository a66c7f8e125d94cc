// Tools of the "Straight" menu, opened from the real menu and used as a
// user would: the pair of the draw under the first game, and the press
// highlight and tall header row of the two shape charts.
#include "charts/framework/tool.h"
#include "tools/menus.h"
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
};

}  // namespace

TEST_F(StraightWindows, ThePairOfTheDrawIsRedUnderTheFirstGame) {
  ToolWindow *w = chooseItem("cai320danxuan");
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
    ToolWindow *w = chooseItem(tc.item);
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
  ToolWindow *w = chooseItem("caizhixuan_xt");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->gridView()->horizontalHeader()->height(), 300 / 15);
  EXPECT_EQ(w->gridView()->verticalHeader()->sectionSize(0), 240 / 15);
}
