// The eleven tools of the "Box Pairs" menu, opened from the real menu and
// used as a user would: titles, the buttons each window shows, "Help", the
// press highlight of the five-region chart, the tagged rows of "+ or - of
// Pairs " and the nearly hidden first rows of Recommend "Pairs".
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

QByteArray draws(int count) {
  QByteArray out;
  for (int k = 1; k <= count; ++k)
    out += QByteArray::number(k) + ' ' + QByteArray::number(k * 7 % 10) + ' ' + QByteArray::number(k * 3 % 10) + ' ' +
           QByteArray::number(k % 10) + "\r\n";
  return out;
}

class PairWindows : public test::MenuWindowTest {
 protected:
  void start(const QByteArray &history) { startWith(history); }
  ToolWindow *open(const char *item, const char *) { return chooseItem(item); }
};

// Its label, in the fixed column, is within the viewport's height (some
// windows keep their first columns and rows nearly hidden).
bool lastRowInView(ToolWindow *w) {
  GridView *view = w->gridView();
  const int y = view->verticalHeader()->sectionViewportPosition(view->model()->rowCount() - 1);
  return y >= 0 && y < view->viewport()->height();
}

}  // namespace

TEST_F(PairWindows, EveryItemOpensItsToolWithItsTitleAndButtons) {
  start(draws(60));  // more rows than the windows show at once
  using enum Help;
  struct Case {
    const char *item, *window, *title;
    const char *exit;
    bool resetButton;
    Help help;
    const char *helpPage;
  };
  const Case cases[] = {
      {"cai3dliangma", "frm3dliangma", "Pairs", "Command2", true, None, nullptr},
      {"cai3dshouwei", "frm3dshouwei", "Box Number:Large-Small;Large+Small", "Command2", true, Working,
       "/help/Large_Small.htm"},
      {"cai3ddazhong", "frm3ddazhong", "Box Number:Large-Middle;Large+Middle", "Command2", true, Working,
       "/help/Large_Middle.htm"},
      {"cai3dzhongxiao", "frm3dzhongxiao", "Box Number:Middle-Small;Middle+Small", "Command2", true, Working,
       "/help/Middle_Small.htm"},
      {"cailinglu2m", "frm0luliangma", "0 Type Pairs", "Command2", true, None, nullptr},
      {"caishunzi2m", "frmshunziliangma", "Serial Pairs", "Command2", true, None, nullptr},
      {"cailuoliangm", "frmchong2ge", "Inherit 2 Digits", "Command2", true, Working, "/help/Inherit_2_Digits.htm"},
      {"caidaima_duizi", "frmdaimaduizi", "Five Regions Pairs[05 16 27 38 49]", "Command2", true, DoesNothing,
       nullptr},
      {"cailiangma_hecha", "frmliangmahecha", "+ or - of Pairs ", "Command2", false, Working,
       "/help/Sum_or_difference_of_Pairs .htm"},
      {"cailiangmajiwei", "frmliangmajiwei", "Units of product of two digits ", "Command2", true, Working,
       "/help/Units_of_product_of_two_digits.htm"},
      {"cailiangmayc", "frmrenwenlengTlm", "Recommend \"Pairs\"", "Command1", false, None, nullptr},
  };
  QStringList caseItems;
  for (const Case &tc : cases)
    caseItems << QString::fromLatin1(tc.item);
  EXPECT_EQ(test::menuItemNames("cailiangmayg"), caseItems);  // the menu's items, in its order

  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.window);
    QPointer<ToolWindow> w = open(tc.item, tc.window);
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->windowTitle(), tc.title);
    EXPECT_EQ(main->windowTitle(), "Corvessa");
    EXPECT_TRUE(lastRowInView(w));

    expectExitAndHelp(w, tc.exit, tc.help, tc.helpPage);
    if (tc.resetButton)
      EXPECT_FALSE(w->button("Command1")->isVisible());
    else if (QString(tc.exit) != "Command1")
      EXPECT_EQ(w->button("Command1"), nullptr);
    expectExitCloses(w, tc.exit);
  }
}

TEST_F(PairWindows, FiveRegionsHighlightsAPressedCellAndClearsItOnTheNextPress) {
  start("1 0 5 5\r\n2 2 7 3\r\n");
  ToolWindow *w = open("caidaima_duizi", "frmdaimaduizi");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(shown(w, 1, 11).toString(), "05");
  EXPECT_EQ(shown(w, 1, 11, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  test::expectPressTogglesHighlight(w, 1, 11, QColor(43, 218, 255));  // the red does not come back
}

TEST_F(PairWindows, SumOrDifferenceShowsThreeTaggedRowsADraw) {
  start("105 9 9 0\r\n");
  ToolWindow *w = open("cailiangma_hecha", "frmliangmahecha");
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
    ToolWindow *w = open("cailiangmayc", "frmrenwenlengTlm");
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
