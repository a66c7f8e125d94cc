// A chart or the draw editor whose grid fits in memory, but whose view's
// table of rows does not: the toolkit cannot say that memory ran out and
// would end the program, so the window refuses the grid first, says so, and
// the program goes on.
#include "charts/framework/tool.h"
#include "gui/editor/draweditor.h"
#include "gui/editor/drawingsmodel.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/toolwindows.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/windows.h"
#include "support/heapfailure/failingheap.h"
#include "tools/menus.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

constexpr int kDraws = 1000000;
// The view of a million rows takes 8 MB in one block: blocks from 4 MB on
// are refused, while the window's own (its image on the screen) still come.
constexpr std::size_t kRefusedFrom = std::size_t(4) << 20;

bool refuseAfterLoad = false;

// "3 Way Box Chance[1]" as the menus have it, but the heap runs out once its
// load has made its grid, before the view takes it, while the test says so.
const ToolRegistry &tools() {
  static const ToolRegistry registry = [] {
    ToolEntry chart = *toolRegistry().find(QStringLiteral("Form1zu3"));
    const auto load = chart.load;
    chart.load = [load](ToolWindowState &state, const DrawHistory &history) {
      load(state, history);
      if (refuseAfterLoad)
        test::failHeapBlocksFrom(kRefusedFrom);
    };
    ToolRegistry r;
    r.add(chart);
    return r;
  }();
  return registry;
}

class ViewMemory : public ::testing::Test {
 protected:
  void TearDown() override {
    test::failHeapBlocksFrom(0);
    test::destroyAllWindows();
  }
  TestHome home;
  FakePlatform platform;
};

}  // namespace

TEST_F(ViewMemory, AChartWhoseViewWouldNotFitIsRefusedAndTheProgramGoesOn) {
  QByteArray draws;
  for (int i = 1; i <= kDraws; ++i)
    draws += QByteArray::number(i) + (i % 2 ? " 1 2 3\r\n" : " 4 4 1\r\n");
  home.writeLottery("L", draws);
  home.selectLottery("L");
  ToolWindows windows(tools());
  refuseAfterLoad = true;
  auto *chart = qobject_cast<ToolWindow *>(windows.open("Form1zu3", platform));
  refuseAfterLoad = false;
  test::failHeapBlocksFrom(0);
  ASSERT_NE(chart, nullptr);
  ASSERT_TRUE(test::waitUntilOnScreen(chart));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().text, "There is not enough memory for this chart.\nThe history of 1000000 draws "
                                         "is not shown; the chart shows no draws.");
  EXPECT_EQ(chart->windowTitle(), "3 Way Box Chance[1]");
  EXPECT_EQ(chart->grid().rows(), 5);  // the header and the four rows to come

  // With the memory there, the same chart opens on the whole history.
  chart->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  chart = qobject_cast<ToolWindow *>(windows.open("Form1zu3", platform));
  ASSERT_TRUE(test::waitUntilOnScreen(chart));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(chart->gridView()->model()->rowCount(), kDraws + 4);
}

// Two million blank lines are two megabytes of file, and rows of the editor
// for every one of them; its view's table of them takes 16 MB.
TEST_F(ViewMemory, TheEditorsViewLikewise) {
  const QString path = home.writeLottery("L", QByteArray(2 * kDraws, '\n'));
  home.selectLottery("L");
  std::optional<DrawEditor> editor;
  {
    test::FailingHeapBlocks full(std::size_t(8) << 20);
    editor.emplace(platform);
    editor->show();
  }
  ASSERT_TRUE(test::waitUntilOnScreen(&*editor));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().text, "Cannot read the draw file " + path +
                                             ": There is not enough memory to show its draws.\r\nThe editor opens "
                                             "with no draws; nothing was created.");
  EXPECT_EQ(editor->model().rowCount(), 1);
  // The empty grid is not saved over the draws it could not show.
  QTest::mouseClick(editor->Command13, Qt::LeftButton);
  EXPECT_TRUE(platform.lastMessage().text.contains("could not be read when the editor opened, so Save is refused"));
  EXPECT_EQ(home.readFile(path).size(), 2 * kDraws);

  editor.reset();
  platform.messages.clear();
  editor.emplace(platform);
  editor->show();
  ASSERT_TRUE(test::waitUntilOnScreen(&*editor));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(editor->model().rowCount(), 2 * kDraws + 1);

  // A row added needs the view's room for one more, which may be a new block.
  {
    test::FailingHeapBlocks full(std::size_t(8) << 20);
    QTest::mouseClick(editor->Command3, Qt::LeftButton);
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().text, "There is not enough memory for another row. The rows were left as they were.");
  EXPECT_EQ(editor->model().rowCount(), 2 * kDraws + 1);
}
