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
};

}  // namespace

TEST_F(BoxTicketWindows, WinsShowRedOverTheShadeAndHelpOpensThePageWhereThereIsOne) {
  ToolWindow *seventy = chooseItem("cai70zhuzuxuan");
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

  ToolWindow *all = chooseItem("caizuliutongji");
  ASSERT_NE(all, nullptr);
  QTest::mouseClick(all->button("Command3"), Qt::LeftButton);
  EXPECT_EQ(platform.opened.size(), 1);
  EXPECT_TRUE(platform.messages.empty());
}
