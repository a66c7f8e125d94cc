// The ticket charts of the "Box" menu, opened from their menu items as the
// user opens them.
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
#include <QColor>
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

class BoxTicketWindows : public test::MenuWindowTest {
 protected:
  void SetUp() override {
    QByteArray draws;
    for (int i = 1; i <= 300; ++i)  // more draws than a window shows at once
      draws += QByteArray::number(i) + (i % 3 ? " 5 5 5\r\n" : " 7 3 0\r\n");
    startWith(draws);
  }
  ToolWindow *choose(const char *item, const char *) { return chooseItem(item); }
};

}  // namespace

TEST_F(BoxTicketWindows, EachOpensFromItsItemWithItsTitleScrolledToTheEnd) {
  struct Case {
    const char *item, *window, *title;
    int winCol;            // the column of ticket "037" (730 is drawn every third draw)
    const char *lastLabel; // of the last grid row
  };
  const Case cases[] = {
      {"cai16zhu", "frmqita1", "16 Tickets follow", 0, "Average"},
      {"cai27zhu", "frmqita3", "27 Tickets follow", 0, "Average"},
      {"cai30zhuzuxuan", "frmqita2a", "30 Tickets follow A", 10, "Average"},
      {"cai30zhuzuxuanb", "frmqita2", "30 Tickets follow B", 0, "Average"},
      {"cai50zhuzuxuan", "frmqita450", "50 Tickets follow AB", 6, "Average"},
      {"cai54zhuzuxuan", "frmqita354", "18 Tickets follow ABC", 5, "Average"},
      {"cai70zhuzuxuan", "frmzuliu70", "70 Tickets follow", 19, ""},
      {"caizuliutongji", "frmzuliu120", "6 Way Box Statistical", 24, ""},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.window);
    QPointer<ToolWindow> w = choose(tc.item, tc.window);
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->windowTitle(), tc.title);
    EXPECT_EQ(main->windowTitle(), "Corvessa");
    EXPECT_TRUE(platform.messages.empty());

    GridView *view = w->gridView();
    const int lastRow = view->model()->rowCount() - 1;
    EXPECT_TRUE(test::showsLastRowWhole(view));
    EXPECT_EQ(view->model()->headerData(lastRow, Qt::Vertical).toString(), tc.lastLabel);
    if (tc.winCol) {
      EXPECT_TRUE(shown(w, 300, tc.winCol).toString().startsWith("***"));
      EXPECT_EQ(shown(w, 299, tc.winCol).toString(), "2");
    }
    EXPECT_EQ(w->button("Command2")->text(), "Exit");
    EXPECT_EQ(w->button("Command3")->text(), "Help");
    EXPECT_TRUE(w->button("Command3")->isVisible());

    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
  }
}

TEST_F(BoxTicketWindows, WinsShowRedOverTheShadeAndHelpOpensThePageWhereThereIsOne) {
  ToolWindow *seventy = choose("cai70zhuzuxuan", "frmzuliu70");
  ASSERT_NE(seventy, nullptr);
  // "037" is in column 19, a column of an even digit sum.
  EXPECT_EQ(shown(seventy, 300, 19).toString(), "****");
  EXPECT_EQ(shown(seventy, 300, 19, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(shown(seventy, 299, 19, Qt::BackgroundRole).value<QColor>(), QColor(170, 210, 176));
  EXPECT_EQ(shown(seventy, 300, 76).toString(), "3");
  EXPECT_EQ(shown(seventy, 300, 77).toString(), "*");
  QTest::mouseClick(seventy->button("Command3"), Qt::LeftButton);
  ASSERT_EQ(platform.opened.size(), 1);
  EXPECT_TRUE(platform.opened[0].endsWith("/help/N_Tickets_follow.htm")) << platform.opened[0].toStdString();

  ToolWindow *all = choose("caizuliutongji", "frmzuliu120");
  ASSERT_NE(all, nullptr);
  QTest::mouseClick(all->button("Command3"), Qt::LeftButton);
  EXPECT_EQ(platform.opened.size(), 1);
  EXPECT_TRUE(platform.messages.empty());
}
