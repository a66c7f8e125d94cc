// The number enquiries of the "Others" menu, opened from the real menu and
// used as a user uses them, typing into the box under the grid and pressing
// "Enquire".
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
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

const QByteArray kDraws = "1 1 2 3\r\n2 3 2 1\r\n3 5 0 5\r\n4 1 2 3\r\n";

class SumWidthWindows : public test::MenuWindowTest {
 protected:
  void SetUp() override { startWith(kDraws); }
};

QStringList headers(ToolWindow *w) {
  QStringList out;
  QAbstractItemModel *m = w->gridView()->model();
  for (int c = 0; c < m->columnCount(); ++c)
    out << m->headerData(c, Qt::Horizontal).toString();
  return out;
}

}  // namespace

TEST_F(SumWidthWindows, TypingNumbersAndPressingEnquire) {
  ToolWindow *w = chooseItem("caizuxuanhaocx");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->frame("Frame1")->title(), "Please enter the Box Number you want to enquire.(You can paste.)");
  QPlainTextEdit *input = w->textBox("Text1");
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(input->parentWidget(), w->frame("Frame1"));
  QPushButton *enquire = w->button("Command2");
  EXPECT_EQ(enquire->text(), "Enquire");
  EXPECT_EQ(headers(w), QStringList({"H", "T", "U", ""}));

  input->setFocus();
  QTest::keyClicks(input, "123, 0555");
  QTest::mouseClick(enquire, Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Information");
  EXPECT_EQ(platform.lastMessage().text, "There are errors in the input.Please check the input and try again!");
  EXPECT_EQ(headers(w), QStringList({"H", "T", "U", ""}));

  QTest::keyClick(input, Qt::Key_Backspace);
  QTest::mouseClick(enquire, Qt::LeftButton);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(w->windowTitle(), "Box Number Enquire");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(headers(w), QStringList({"H", "T", "U", "", "123", "055", "Gather"}));
  QAbstractItemModel *m = w->gridView()->model();
  const QStringList gather = {"***", "***", "***", "***"};  // 1 2 3, 3 2 1, 5 0 5, 1 2 3
  for (int r = 0; r < 4; ++r)
    EXPECT_EQ(m->data(m->index(r, 6)).toString(), gather[r]) << r;
  EXPECT_EQ(m->data(m->index(2, 5)).toString(), "***");  // 5 0 5 is the box number 055
  EXPECT_EQ(m->headerData(m->rowCount() - 2, Qt::Vertical).toString(), "Current Miss");
  EXPECT_EQ(input->toPlainText(), "123, 055");
}
