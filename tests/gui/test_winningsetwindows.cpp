// The four winning-set tools opened from the real "Winning number from" menu.
#include "core/paths.h"
#include "core/programstate.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/gui/windows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/menuwindows.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

class WinningSetWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    QByteArray a;
    for (int i = 1; i <= 400; ++i)  // more draws than the window shows at once
      a += QByteArray::number(i) + (i % 2 ? " 9 1 4\r\n" : " 3 3 3\r\n");
    home.writeLottery("A", a);
    home.writeLottery("B", "1 2 5 8\r\n2 7 7 1\r\n");
    home.selectLottery("A");
    main = MainWindow::showMain(platform);
  }
  void TearDown() override {
    test::destroyAllWindows();
  }
  ToolWindow *choose(const char *item) {
    QAction *action = main->menu("caigaopin7ma")->findChild<QAction *>(item);
    EXPECT_NE(action, nullptr) << item;
    if (!action)
      return nullptr;
    EXPECT_TRUE(action->isEnabled()) << item;
    action->trigger();
    return qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance(windowOf(item)));
  }
  static QString windowOf(const char *item) {
    for (const auto &[i, w] : kWindows)
      if (QString(i) == item)
        return w;
    return {};
  }
  void selectLottery(const QString &name) {
    platform.answers.push_back(MessageAnswer::Yes);
    platform.openFiles.push_back(home.dataFile(name));
    main->Command13_Click();
  }
  static inline const std::pair<const char *, const char *> kWindows[] = {
      {"caigaopin6ma36", "frmgaopin6ma36"},
      {"caigaopin6ma6", "frmgaopin6ma"},
      {"caigaopin7ma6", "frmgaopin7ma"},
      {"caigaopin7ma36", "frmgaopin7ma36"},
  };

  TestHome home;
  FakePlatform platform;
  MainWindow *main = nullptr;
};

// The label of the first draw row, as the fixed column shows it.
QString firstLabel(ToolWindow *w) { return w->gridView()->model()->headerData(0, Qt::Vertical).toString(); }

}  // namespace

TEST_F(WinningSetWindows, AnOpenWindowKeepsItsChartAClosedOneReadsTheNewLottery) {
  for (const auto &[item, window] : kWindows) {
    home.selectLottery("A");
    QPointer<ToolWindow> w = choose(item);
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(firstLabel(w), " 1:914");
    EXPECT_EQ(w->grid().rows(), 406);

    selectLottery("B");
    EXPECT_EQ(programState().DataFilePath, home.dataFile("B"));
    EXPECT_EQ(choose(item), w.data()) << window;
    EXPECT_EQ(w->grid().rows(), 406) << window;

    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(w.isNull());
    ToolWindow *fresh = choose(item);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->grid().rows(), 8) << window;
    EXPECT_EQ(firstLabel(fresh), " 1:258");
    fresh->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
