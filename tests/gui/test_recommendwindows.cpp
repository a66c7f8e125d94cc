// The recommended-digit charts opened from the real "Digit" menu, as a user
// sees them: the title, the buttons, a recommendation and its colour, and
// the note under the grid of "Other recommend digits-[formula]".
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
  ToolWindow *open(const char *item, const char *) { return chooseItem(item); }
};

}  // namespace

TEST_F(RecommendWindows, EachOpensFromItsItemWithItsTitleAndMarks) {
  struct Case {
    const char *item, *window, *title, *helpPage;
    int row, col;     // a cell of the second draw
    const char *text;
    QColor back;      // invalid: the grid's own
  };
  const QColor shade(255, 223, 157), red(255, 0, 0), blue(140, 219, 255);
  const Case cases[] = {
      {"dingsandana", "frmdingdanshh", "Recommend 3 digits-A", "/help/Recommend_3_digits-A.htm", 2, 8, "-Y-", {}},
      {"dingsandanb", "frmtongsha3ma", "Recommend 3 digits-BC", "/help/Recommend_3_digits-BC.htm", 2, 20, "0", {}},
      {"caijinyindan", "frmtongshahao", "Recommend 2 digits", "/help/Recommend_2_digits.htm", 2, 22, "1", shade},
      {"caigongshidan", "frmdanma2", "Other recommend digits-[formula]", "/help/Other_recommend_digits-formula.htm",
       2, 9, "  2", blue},  // digits-2 "123" after 0 0 2
      {"caitiedan", "frmzonghe", "Recommend 1 digit[1]", "/help/Recommend_1_digit.htm", 2, 6, "-Y-", red},
      {"caitiedan2", "frmtongsha1ma", "Recommend 1 digit[2]", "/help/Recommend_1_digit.htm", 2, 5, "0", {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.window);
    ToolWindow *w = open(c.item, c.window);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QString::fromLatin1(c.title));
    EXPECT_EQ(w->button("Command2")->text(), "Exit");
    EXPECT_EQ(w->button("Command3")->text(), "Help");
    EXPECT_FALSE(w->button("Command1")->isVisible());
    EXPECT_GT(w->button("Command2")->x(), w->button("Command3")->x());
    EXPECT_EQ(shown(w, c.row, c.col).toString(), QString::fromLatin1(c.text));
    const QVariant back = shown(w, c.row, c.col, Qt::BackgroundRole);
    if (c.back.isValid())
      EXPECT_EQ(back.value<QColor>(), c.back);
    else
      EXPECT_FALSE(back.isValid());

    QTest::mouseClick(w->button("Command3"), Qt::LeftButton);
    ASSERT_FALSE(platform.opened.isEmpty());
    EXPECT_TRUE(platform.opened.last().endsWith(QString::fromLatin1(c.helpPage))) << platform.opened.last().toStdString();
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RecommendWindows, TheNoteStaysVisibleUnderTheGridAtAnySize) {
  ToolWindow *w = open("caigongshidan", "frmdanma2");
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
