// The Qt models the windows show their data through, under Qt's model tester
// while a user works with them: every tool's grid as its window loads it, a
// cell is pressed and double-clicked, and an enquiry widens it; the draw
// editor's rows as they are edited, added to, deleted from, imported and
// saved. A later change of either model cannot break what the views rely on
// unseen.
#include "gui/editor/draweditor.h"
#include "gui/editor/drawingsmodel.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/modelrules.h"
#include "support/gui/windows.h"
#include "tools/menus.h"

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvessa;

namespace {

class ModelRulesTest : public ::testing::Test {
 protected:
  void TearDown() override { test::destroyAllWindows(); }

  test::TestHome home;
  test::FakePlatform platform;
};

// A model that reports a change of cells it does not have.
class ChangeOutsideTheTable final : public QAbstractTableModel {
 public:
  int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
  int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
  QVariant data(const QModelIndex &, int) const override { return {}; }
  void changeOutside() { Q_EMIT dataChanged(index(0, 0), index(5, 5)); }
};

}  // namespace

// The watch itself: a model that breaks a rule is caught, and said so.
TEST(ModelRules, ABrokenRuleIsCaught) {
  ChangeOutsideTheTable model;
  test::ModelRules rules(&model);
  EXPECT_TRUE(rules.failures().isEmpty());
  model.changeOutside();
  ASSERT_FALSE(rules.failures().isEmpty());
  EXPECT_TRUE(rules.failures().front().startsWith("FAIL!")) << rules.failures().front().toStdString();
}

TEST_F(ModelRulesTest, EveryToolsGridAsItsWindowShowsItAndTheUserWorksWithIt) {
  QByteArray draws;
  for (int i = 1; i <= 60; ++i)
    draws += QByteArray::number(i) + ' ' + QByteArray::number(i % 10) + ' ' + QByteArray::number(i * 7 % 10) + ' ' +
             QByteArray::number(i * 3 % 10) + "\r\n";
  home.writeLottery("L", draws);
  home.selectLottery("L");
  for (const ToolEntry &tool : toolRegistry().entries()) {
    SCOPED_TRACE(tool.design.windowName.toStdString());
    QPointer<ToolWindow> window = new ToolWindow(tool, platform);
    {
      test::ModelRules rules(window->gridView()->model());
      window->load();
      window->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
      test::pressCell(window, 3, 5);
      test::doubleClickCell(window, 4, 6);
      if (const ControlDesign *input = tool.design.control(ControlRole::Input)) {
        window->textBox(input->name)->setPlainText("123 456 789 007");
        QTest::mouseClick(window->button(tool.design.control(ControlRole::Enquiry)->name), Qt::LeftButton);
        EXPECT_GT(window->grid().cols(), tool.design.cols);  // a column for each number
      }
      EXPECT_EQ(rules.failures(), QStringList());
    }
    delete window.data();
  }
}

TEST_F(ModelRulesTest, TheDrawEditorsRowsAsTheUserEditsThem) {
  home.writeLottery("NY", "1 1 2 3\r\n2 4 5 6\r\n3 7 8 9\r\n");
  home.selectLottery("NY");
  DrawEditor editor(platform);
  test::ModelRules rules(&editor.model());
  editor.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
  QTableView *grid = editor.MSFlexGrid1;
  const auto clickCell = [&](int row, int column) {
    const QModelIndex cell = editor.model().index(row, column);
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
  };

  clickCell(1, 2);
  QTest::keyClicks(editor.Text1, "0");
  clickCell(1, 3);                                        // the typed text goes into its cell
  QTest::mouseClick(editor.Command11, Qt::LeftButton);  // a row before row 1
  QTest::mouseClick(editor.Command3, Qt::LeftButton);   // a row at the end
  clickCell(2, 0);
  QTest::mouseClick(editor.Command12, Qt::LeftButton);  // row 2 deleted
  platform.answers = {MessageAnswer::Yes};
  platform.openFiles = {home.writeFile("elsewhere/in.txt", "7 1 1 1\r\n8 2 2 2\r\n")};
  QTest::mouseClick(editor.Command17, Qt::LeftButton);  // "Import": every row replaced
  EXPECT_EQ(editor.model().text(1, 0), "8");
  clickCell(2, 0);
  QTest::keyClicks(editor.Text1, "9");
  clickCell(2, 1);
  QTest::mouseClick(editor.Command13, Qt::LeftButton);  // "Save" of a row with empty cells: refused
  EXPECT_TRUE(platform.lastMessage().text.startsWith("Row 3, column H is empty."));
  EXPECT_EQ(rules.failures(), QStringList());
}
