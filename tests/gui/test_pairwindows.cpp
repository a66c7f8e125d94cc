// Tools of the "Box Pairs" menu, opened from the real menu and used as a
// user would: the press highlight of the five-region chart, the tagged rows
// of "+ or - of Pairs " and the nearly hidden first rows of Recommend "Pairs".
#include "charts/framework/tool.h"
#include "tools/menus.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/core/chartcells.h"
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
using corvessa::test::draws;

namespace {

class PairWindows : public test::MenuWindowTest {
 protected:
  void start(const QByteArray &history) { startWith(history); }
};

// Its label, in the fixed column, is within the viewport's height (some
// windows keep their first columns and rows nearly hidden).
bool lastRowInView(ToolWindow *w) {
  GridView *view = w->gridView();
  const int y = view->verticalHeader()->sectionViewportPosition(view->model()->rowCount() - 1);
  return y >= 0 && y < view->viewport()->height();
}

}  // namespace

TEST_F(PairWindows, FiveRegionsHighlightsAPressedCellAndClearsItOnTheNextPress) {
  start("1 0 5 5\r\n2 2 7 3\r\n");
  ToolWindow *w = chooseItem("caidaima_duizi");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(shown(w, 1, 11).toString(), "05");
  EXPECT_EQ(shown(w, 1, 11, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  test::expectPressTogglesHighlight(w, 1, 11, QColor(43, 218, 255));  // the red does not come back
}

TEST_F(PairWindows, SumOrDifferenceShowsThreeTaggedRowsADraw) {
  start("105 9 9 0\r\n");
  ToolWindow *w = chooseItem("cailiangma_hecha");
  ASSERT_NE(w, nullptr);
  QAbstractItemModel *model = w->gridView()->model();
  ASSERT_EQ(model->rowCount(), 4);
  const char *tags[] = {"(H\u00b1T)", "(H\u00b1U)", "(T\u00b1U)"};
  for (int r = 1; r <= 3; ++r)
    EXPECT_EQ(model->headerData(r - 1, Qt::Vertical).toString(), QString::fromUtf8(" 105:990") + QString::fromUtf8(tags[r - 1]));
  EXPECT_EQ(shown(w, 1, 20).toString(), "18");
  EXPECT_EQ(shown(w, 1, 20, Qt::BackgroundRole).value<QColor>(), QColor(200, 164, 170));
}

TEST_F(PairWindows, RecommendPairsHidesItsFirstRowsAndShowsTheLast) {
  for (const int n : {7, 21, 22, 60}) {
    SCOPED_TRACE(n);
    start(draws(n));
    ToolWindow *w = chooseItem("cailiangmayc");
    ASSERT_NE(w, nullptr);
    QHeaderView *rows = w->gridView()->verticalHeader();
    ASSERT_EQ(w->gridView()->model()->rowCount(), n + 2);
    for (int r = 1; r <= n + 2; ++r)
      EXPECT_EQ(rows->sectionSize(r - 1), r <= 24 ? 0 : 240 / 15) << "row " << r;
    EXPECT_TRUE(lastRowInView(w));
    EXPECT_TRUE(platform.messages.empty());
    test::destroyAllWindows();
  }
}
