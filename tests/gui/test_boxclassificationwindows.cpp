// The classification charts of the "Box" menu, opened from the real menu and
// used as a user would: the highlight under the mouse in
// "Box Number Shape", and the note under the remainder-5 chart's grid.
#include "core/programstate.h"
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

class BoxClassificationWindows : public test::MenuWindowTest {
 protected:
  void SetUp() override { startWith("1 2 5 7\r\n2 5 6 1\r\n3 9 9 9\r\n"); }
};

}  // namespace

TEST_F(BoxClassificationWindows, BoxNumberShapeHighlightsAPressedCellAndClearsItOnTheNextPress) {
  ToolWindow *w = chooseItem("caizuxuan_xt");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->size(), QSize(779, 462));  // 11685 x 6930 twips
  // Draw 2 5 7 is even in H only: "E" on green in column 17, "O" on orange in 18.
  ASSERT_EQ(shown(w, 1, 17).toString(), "E");
  EXPECT_EQ(shown(w, 1, 17, Qt::BackgroundRole).value<QColor>(), QColor(42, 219, 167));
  EXPECT_EQ(shown(w, 1, 18, Qt::BackgroundRole).value<QColor>(), QColor(249, 182, 85));
  EXPECT_EQ(shown(w, 1, 14).toString(), "122");
  EXPECT_EQ(shown(w, 1, 14, Qt::BackgroundRole).value<QColor>(), QColor(127, 176, 206));

  test::expectPressTogglesHighlight(w, 1, 17, QColor(43, 145, 255));  // the green does not come back
  EXPECT_EQ(shown(w, 1, 18, Qt::BackgroundRole).value<QColor>(), QColor(249, 182, 85));
}

TEST_F(BoxClassificationWindows, TheRemainderChartsNoteStaysUnderTheGrid) {
  ToolWindow *w = chooseItem("caichu5yuhe");
  ASSERT_NE(w, nullptr);
  QLabel *note = w->label("Label1");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), "||");
  EXPECT_TRUE(note->isVisible());
  // At the design's size the note keeps the design's height, 6210 twips.
  EXPECT_EQ(w->formGeometry().at("Label1"), (TwipsRect{20, 6210, 180, 180}));
  for (const QSize size : {QSize(1000, 700), QSize(534, 400), QSize(300, 120)}) {
    SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
    w->resize(size);
    const QRect grid = w->gridView()->geometry();
    EXPECT_GT(note->y(), grid.bottom());
    EXPECT_LE(note->geometry().bottom(), w->height());
    EXPECT_LT(note->x(), w->button("Command3")->x());
    EXPECT_TRUE(note->isVisible());
  }
}
