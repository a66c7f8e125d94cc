// A recommended-digit chart opened from the real "Digit" menu, as a user
// sees it: the note under the grid of "Other recommend digits-[formula]".
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
#include <QColor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::shown;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

// 0 0 2 then 1 1 5: the second draw's recommendations come from the first.
const QByteArray kDraws = "1 0 0 2\r\n2 1 1 5\r\n";

class RecommendWindows : public test::MenuWindowTest {
 protected:
  void SetUp() override { startWith(kDraws); }
};

}  // namespace

TEST_F(RecommendWindows, TheNoteStaysVisibleUnderTheGridAtAnySize) {
  ToolWindow *w = chooseItem("caigongshidan");
  ASSERT_NE(w, nullptr);
  QLabel *note = w->label("Label1");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), QString::fromUtf8("每期预测三组胆码，请大家跟踪使用；论坛高手的成绩也不过如此，不信你统计后对比看看^-^!"));
  for (const QSize size : {QSize(775, 448), QSize(1000, 600), QSize(600, 300)}) {
    SCOPED_TRACE(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
    w->resize(size);
    QCoreApplication::processEvents();
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->x(), 1);  // 20 twips
    EXPECT_GT(note->y(), w->button("Command2")->geometry().bottom());
    EXPECT_GT(note->y(), w->gridView()->geometry().bottom());
    EXPECT_LE(note->geometry().bottom(), w->height());
  }
  w->resize(775, 448);  // 11625 x 6720 twips
  QCoreApplication::processEvents();
  EXPECT_EQ(note->geometry(), QRect(1, 414, 504, 12));  // 20, 6210, 7560, 180 twips
}
