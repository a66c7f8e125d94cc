// The draw editor driven as a user drives it: loading, the edit box, the row
// buttons, Save, Import, Export, Download, help and leaving.
#include "core/drawfile.h"
#include "core/drawsave.h"
#include "core/paths.h"
#include "gui/editor/draweditor.h"
#include "gui/editor/drawingsmodel.h"
#include "gui/platform/platform.h"
#include "gui/sitepages.h"
#include "support/core/diskfailure.h"
#include "support/core/fiforelease.h"
#include "support/core/memoryfailure.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/core/unchangedsave.h"
#include "support/gui/fakeplatform.h"
#include "support/gui/windows.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvessa;
using corvessa::test::FailingWrites;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

const QString kTip = QStringLiteral("Friendship Tip:");
const QString kImportQuestion = QStringLiteral(
    "The program overwrites the contents of the table with the imported data.\r\nAre you sure you want to import?");
const QString kExitQuestion =
    QStringLiteral("If you have edited the data,make sure you have saved,Are you sure you want to quit?");

class DrawEditorTest : public ::testing::Test {
 protected:
  void open(const QByteArray &bytes) {
    path = home.writeLottery("NY", bytes);
    home.selectLottery("NY");
    reopen();
  }
  void reopen() {
    editor = std::make_unique<DrawEditor>(platform);
    editor->show();
    ASSERT_TRUE(test::waitUntilOnScreen(editor.get()));
  }
  QTableView *grid() const { return editor->MSFlexGrid1; }
  DrawingsModel &model() const { return editor->model(); }

  // The grid as the user reads it, one "label|H|T|U" per row.
  QStringList rows() const {
    QStringList out;
    for (int r = 0; r < model().rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < 4; ++c)
        cells << model().index(r, c).data().toString();
      out << cells.join('|');
    }
    return out;
  }
  QStringList headers() const {
    QStringList out;
    for (int c = 0; c < 4; ++c)
      out << model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
  }
  void clickCell(int row, int column) {
    const QModelIndex cell = model().index(row, column);
    grid()->scrollTo(cell);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(cell).center());
  }
  void type(const QString &text) { QTest::keyClicks(editor->Text1, text); }
  // Enters a cell, types, and leaves it for the next cell to the right (or the label of the next row).
  void typeInto(int row, int column, const QString &text) {
    clickCell(row, column);
    type(text);
    clickCell(column < 3 ? row : row + 1, column < 3 ? column + 1 : 0);
  }
  // Types a whole row cell by cell and leaves it for its label cell.
  void typeRow(int row, const QStringList &cells) {
    for (int c = 0; c < 4; ++c) {
      clickCell(row, c);
      type(cells[c]);
    }
    clickCell(row, 0);
  }
  // What the user reads at a cell: the edit box's text where the box lies over it.
  QString shownAt(int row, int column) const {
    return boxOver(row, column) ? editor->Text1->text() : model().index(row, column).data().toString();
  }
  void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
  QByteArray file() const { return home.readFile(path); }
  QStringList messageTexts() const {
    QStringList out;
    for (const FakePlatform::Message &m : platform.messages)
      out << m.text;
    return out;
  }
  // The edit box lies exactly over the cell.
  bool boxOver(int row, int column) const {
    const QRect inGrid = grid()->visualRect(model().index(row, column));
    const QRect cell(grid()->viewport()->mapTo(editor.get(), inGrid.topLeft()), inGrid.size());
    const QRect box(editor->Text1->mapTo(editor.get(), QPoint(0, 0)), editor->Text1->size());
    return editor->Text1->isVisible() && box == cell;
  }

  TestHome home;
  FakePlatform platform;
  std::unique_ptr<DrawEditor> editor;
  QString path;
};

}  // namespace

TEST_F(DrawEditorTest, DesignedCaptionsAndPlaces) {
  open("1 1 2 3\r\n");
  EXPECT_EQ(editor->windowTitle(), "Drawings");
  EXPECT_TRUE(editor->isModal());
  EXPECT_EQ(editor->size(), QSize(716, 458));
  EXPECT_EQ(editor->minimumSize(), editor->maximumSize());  // the size cannot change
  EXPECT_EQ(editor->SSTab1->count(), 1);
  EXPECT_EQ(editor->SSTab1->tabText(0), " Drawings");
  EXPECT_EQ(editor->SSTab1->geometry(), QRect(0, 0, 715, 409));

  struct Place {
    QWidget *widget;
    QString caption;
    QRect twips;
  };
  const Place places[] = {
      {editor->Command12, "Delete current row ", {7440, 915, 2175, 375}},
      {editor->Command3, "Add at the end ", {7440, 1335, 2175, 375}},
      {editor->Command11, "Add before current row ", {7440, 1755, 2175, 375}},
      {editor->Command16, "Export", {7440, 2280, 2175, 375}},
      {editor->Command17, "Import", {7440, 2680, 2175, 375}},
      {editor->Command13, "Save", {7440, 3100, 2175, 375}},
      {editor->Command18, "Edit Drawings Help", {7440, 3623, 2175, 375}},
      {editor->Command14, "Download", {7440, 4440, 2175, 375}},
      {editor->Command15, "Data Download Help", {7440, 4860, 2175, 375}},
      {editor->Command10, "Exit", {7440, 6240, 2175, 375}},
      {editor->MSFlexGrid1, "", {1080, 840, 6045, 2685}},
      {editor->Label3, "Please select one of the following methods", {1080, 120, 0, 0}},
      {editor->Label4, "1:Edit Drawings(You can edit after click on a cell)", {1080, 600, 0, 0}},
      {editor->Label6, "Lottery:NY.", {1080, 3720, 0, 0}},
      {editor->Label5, "2:Data Download (Note:You must be connected to the internet to download data.)",
       {1080, 4680, 0, 0}},
  };
  for (const Place &p : places) {
    const QString name = p.widget->objectName();
    if (auto *button = qobject_cast<QPushButton *>(p.widget)) {
      EXPECT_EQ(button->text(), p.caption) << name.toStdString();
    }
    if (auto *label = qobject_cast<QLabel *>(p.widget)) {
      EXPECT_EQ(label->text(), p.caption) << name.toStdString();
    }
    // Positions are the design's, relative to the window's tab control.
    const QPoint at = p.widget->mapTo(editor.get(), QPoint(0, 0));
    EXPECT_EQ(at, QPoint(twipsToPixels(p.twips.left()), twipsToPixels(p.twips.top()))) << name.toStdString();
    if (p.twips.width() > 0) {
      EXPECT_EQ(p.widget->size(), QSize(twipsToPixels(p.twips.width()), twipsToPixels(p.twips.height())))
          << name.toStdString();
    }
  }
  EXPECT_EQ(editor->Command18->toolTip(), "Edit Drawings Help");
  EXPECT_EQ(editor->Command15->toolTip(), "Data Download Help");
  EXPECT_EQ(editor->Label3->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(editor->Label4->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  EXPECT_EQ(editor->Text1->palette().color(QPalette::Base), QColor(255, 224, 192));
  EXPECT_FALSE(grid()->verticalHeader()->isVisible());  // no fixed column
  EXPECT_EQ(headers(), (QStringList{"---- Date ----", "--H--", "--T--", "--U--"}));
}

TEST_F(DrawEditorTest, LoadsEveryRecordWithTheSpareRowCurrent) {
  struct Case {
    const char *name;
    QByteArray file;
    QStringList rows;
    std::size_t messages = 0;
  };
  const Case cases[] = {
      {"empty file", "", {"|||"}},
      {"records", "125 1 2 3\r\n126 4 5 6\r\n127 7 8 9\r\n", {"125|1|2|3", "126|4|5|6", "127|7|8|9", "|||"}},
      // Loaded all the same; the charts' end is named once.
      {"0 0 0 0 and draws after it", "1 1 2 3\r\n0 0 0 0\r\n3 4 5 6\r\n", {"1|1|2|3", "0|0|0|0", "3|4|5|6", "|||"}, 1},
      {"last record cut short", "1 1 2 3\r\n2 4 5", {"1|1|2|3", "2|4|5|", "|||"}},
      {"LF line ends", "1 1 2 3\n2 4 5 6\n", {"1|1|2|3", "2|4|5|6", "|||"}},
  };
  for (const Case &c : cases) {
    platform.messages.clear();
    open(c.file);
    EXPECT_EQ(rows(), c.rows) << c.name;
    const int spare = int(c.rows.size()) - 1;
    EXPECT_EQ(editor->currentRow(), spare) << c.name;
    EXPECT_EQ(editor->currentColumn(), 0) << c.name;
    EXPECT_TRUE(boxOver(spare, 0)) << c.name;
    EXPECT_TRUE(editor->Text1->text().isEmpty()) << c.name;
    EXPECT_EQ(platform.messages.size(), c.messages) << c.name;
  }
}

TEST_F(DrawEditorTest, LongHistoryOpensScrolledToTheSpareRow) {
  QByteArray bytes;
  for (int i = 1; i <= 500; ++i)
    bytes += QByteArray::number(i) + " 1 2 3\r\n";
  open(bytes);
  EXPECT_EQ(model().rowCount(), 501);
  EXPECT_TRUE(boxOver(500, 0));
}

TEST_F(DrawEditorTest, MissingFileSaysSoAndOpensEmpty) {
  home.selectLottery("Gone");
  path = home.dataFile("Gone");
  reopen();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_TRUE(platform.lastMessage().text.contains(path)) << platform.lastMessage().text.toStdString();
  // Said once the load is over: normal pointer, the window's own caption.
  EXPECT_FALSE(platform.lastMessage().busyPointer);
  EXPECT_EQ(platform.lastMessage().ownerCaption, "Drawings");
  EXPECT_EQ(rows(), QStringList{"|||"});
  EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(DrawEditorTest, DrawsThatEndBeforeTheFileAreLoadedAndTheLineIsNamed) {
  open("1 1 2 3\r\n0 0 0 0\r\n3 4 5 6\r\n");
  EXPECT_EQ(rows(), (QStringList{"1|1|2|3", "0|0|0|0", "3|4|5|6", "|||"}));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_FALSE(platform.lastMessage().busyPointer);
  EXPECT_TRUE(platform.lastMessage().text.contains(path + " ends at line 2,")) << platform.lastMessage().text.toStdString();
  EXPECT_TRUE(platform.lastMessage().text.contains("The lines after it are not read as draws."));
  EXPECT_TRUE(platform.lastMessage().ownerShown);  // over the editor, once it is on the screen
  EXPECT_EQ(platform.lastMessage().ownerCaption, "Drawings");
  EXPECT_TRUE(boxOver(3, 0));

  // Nothing to say when only the end record and blank lines follow the draws.
  platform.messages.clear();
  open("1 1 2 3\r\n0 0 0 0\r\n\r\n");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DrawEditorTest, EditBoxStartsEmptyAndStoresOnLeaving) {
  open("125 1 2 3\r\n126 4 5 6\r\n");
  clickCell(0, 1);
  EXPECT_TRUE(boxOver(0, 1));
  EXPECT_TRUE(editor->Text1->text().isEmpty());  // the old text is not copied in
  type("7");
  EXPECT_EQ(rows()[0], "125|1|2|3");  // not yet: the cell is still current
  clickCell(1, 2);
  EXPECT_EQ(rows()[0], "125|7|2|3");
  EXPECT_TRUE(boxOver(1, 2));
  EXPECT_TRUE(editor->Text1->text().isEmpty());

  clickCell(1, 3);  // leaving with an empty box keeps the cell
  EXPECT_EQ(rows()[1], "126|4|5|6");
  EXPECT_TRUE(boxOver(1, 3));

  // Keys move the current cell too, storing what was typed.
  grid()->setFocus();
  QTest::keyClick(grid(), Qt::Key_Left);
  EXPECT_TRUE(boxOver(1, 2));
}

// Every key that moves the current cell shows it, also when it stays where it
// was: at the first or last row, with the grid scrolled away from it.
TEST_F(DrawEditorTest, AMoveKeyAtTheGridsEdgeShowsTheCurrentCell) {
  QByteArray draws;
  for (int i = 1; i <= 200; ++i)
    draws += QByteArray::number(i) + " 1 2 3\r\n";
  open(draws);
  QScrollBar *down = grid()->verticalScrollBar();
  ASSERT_GT(down->maximum(), 0);
  const auto showsCurrentCell = [this] {
    return grid()->viewport()->rect().contains(grid()->visualRect(grid()->currentIndex()));
  };
  const struct {
    const char *name;
    Qt::Key corner;  // with Ctrl
    int scrolledTo;  // the scroll bar's end away from it: 0 the top, 1 the bottom
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } cases[] = {
      {"Ctrl+End", Qt::Key_End, 0, Qt::Key_End, Qt::ControlModifier},
      {"End", Qt::Key_End, 0, Qt::Key_End, {}},
      {"Down", Qt::Key_End, 0, Qt::Key_Down, {}},
      {"Right", Qt::Key_End, 0, Qt::Key_Right, {}},
      {"Ctrl+Home", Qt::Key_Home, 1, Qt::Key_Home, Qt::ControlModifier},
      {"Home", Qt::Key_Home, 1, Qt::Key_Home, {}},
      {"Up", Qt::Key_Home, 1, Qt::Key_Up, {}},
      {"Left", Qt::Key_Home, 1, Qt::Key_Left, {}},
  };
  grid()->setFocus();
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    QTest::keyClick(grid(), c.corner, Qt::ControlModifier);
    const QModelIndex corner = grid()->currentIndex();
    down->setValue(c.scrolledTo ? down->maximum() : down->minimum());
    ASSERT_FALSE(showsCurrentCell());
    QTest::keyClick(grid(), c.key, c.modifiers);
    EXPECT_EQ(grid()->currentIndex(), corner);
    EXPECT_TRUE(showsCurrentCell());
    EXPECT_TRUE(boxOver(corner.row(), corner.column()));  // the edit box goes with it
  }
}

TEST_F(DrawEditorTest, MouseOverTheBoxGivesItTheKeyboard) {
  open("125 1 2 3\r\n");
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
  clickCell(0, 2);
  grid()->setFocus();
  QTest::mouseMove(editor->Text1, QPoint(3, 3));
  QTest::mouseMove(editor->Text1, QPoint(5, 5));
  EXPECT_TRUE(editor->Text1->hasFocus());
}

TEST_F(DrawEditorTest, RowButtons) {
  struct Case {
    const char *name;
    QPushButton *DrawEditor::*button;
    int row;
    QStringList rows;
    int currentAfter;
  };
  const Case cases[] = {
      {"add at the end", &DrawEditor::Command3, 3, {"A|1|1|1", "B|2|2|2", "C|3|3|3", "|||", "|||"}, 3},
      {"add before the spare row", &DrawEditor::Command11, 3, {"A|1|1|1", "B|2|2|2", "C|3|3|3", "|||", "|||"}, 3},
      {"add before a middle row", &DrawEditor::Command11, 1, {"A|1|1|1", "|||", "B|2|2|2", "C|3|3|3", "|||"}, 1},
      {"delete a middle row", &DrawEditor::Command12, 1, {"A|1|1|1", "C|3|3|3", "|||"}, 1},
      {"delete the spare row", &DrawEditor::Command12, 3, {"A|1|1|1", "B|2|2|2", "C|3|3|3"}, 2},
  };
  for (const Case &c : cases) {
    open("A 1 1 1\r\nB 2 2 2\r\nC 3 3 3\r\n");
    clickCell(c.row, 2);
    click(editor.get()->*c.button);
    EXPECT_EQ(rows(), c.rows) << c.name;
    EXPECT_EQ(editor->currentRow(), c.currentAfter) << c.name;
    EXPECT_EQ(editor->currentColumn(), 2) << c.name;
    EXPECT_TRUE(boxOver(c.currentAfter, 2)) << c.name;
  }
}

TEST_F(DrawEditorTest, RowButtonsKeepTypedTextAndOneRow) {
  open("A 1 1 1\r\nB 2 2 2\r\n");
  clickCell(1, 1);
  type("9");
  click(editor->Command11);  // the typed 9 stays with row B
  EXPECT_EQ(rows(), (QStringList{"A|1|1|1", "|||", "B|9|2|2", "|||"}));

  open("A 1 1 1\r\n");
  clickCell(0, 0);
  click(editor->Command12);
  click(editor->Command12);  // deleting the last row under the header empties it
  EXPECT_EQ(rows(), QStringList{"|||"});
  clickCell(0, 3);
  type("5");
  click(editor->Command12);
  EXPECT_EQ(rows(), QStringList{"|||"});
  EXPECT_TRUE(boxOver(0, 3));
}

TEST_F(DrawEditorTest, SaveWritesTheRowsAsDraws) {
  open("125 1 2 3\r\n0 0 0 0\r\n");
  click(editor->Command3);
  click(editor->Command3);  // two more blank rows: none of them is written
  typeInto(3, 1, "   ");    // blanks only: still a blank row
  typeInto(2, 0, "126");    // the spare row
  typeInto(2, 1, " 7");     // blanks around a digit are dropped
  typeInto(2, 2, "8 ");
  type("9");  // still in the box when Save is pressed
  click(editor->Command13);
  EXPECT_EQ(file(), "125 1 2 3\r\n0 0 0 0\r\n126 7 8 9\r\n");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().text, "OK!");
  EXPECT_EQ(platform.lastMessage().title, kTip);
  EXPECT_EQ(platform.lastMessage().style, MessageStyle::OkInformation);
  EXPECT_EQ(editor->windowTitle(), "Drawings");

  open("");
  click(editor->Command13);  // only the spare row: nothing to write
  EXPECT_EQ(file(), "");
  EXPECT_EQ(platform.lastMessage().text, "OK!");
}

TEST_F(DrawEditorTest, SaveRefusesABadCellAndMakesItCurrent) {
  struct Typed {
    int row, column;
    QString text;
  };
  struct Case {
    std::vector<Typed> typed;
    int row, column;  // the cell refused
    const char *place;
  };
  const Case cases[] = {
      {{{1, 1, "12"}}, 1, 1, "Row 2, column H holds \"12\"."},
      {{{0, 3, "1.5"}}, 0, 3, "Row 1, column U holds \"1.5\"."},
      {{{1, 2, "7a"}}, 1, 2, "Row 2, column T holds \"7a\"."},
      {{{2, 0, "12 5"}}, 2, 0, "Row 3, column Date holds \"12 5\"."},
      // Neither blank nor a whole draw: never written as a draw 000, nor with a label 0.
      {{{2, 0, "127"}}, 2, 1, "Row 3, column H is empty."},
      {{{2, 0, "127"}, {2, 1, "7"}, {2, 2, "8"}}, 2, 3, "Row 3, column U is empty."},
      {{{2, 1, "7"}, {2, 2, "8"}, {2, 3, "9"}}, 2, 0, "Row 3, column Date is empty."},
  };
  const QByteArray original = "125 1 2 3\r\n126 4 5 6\r\n";
  for (const Case &c : cases) {
    open(original);
    platform.messages.clear();
    for (const Typed &t : c.typed)
      typeInto(t.row, t.column, t.text);
    click(editor->Command13);
    EXPECT_EQ(file(), original) << c.place;
    ASSERT_EQ(platform.messages.size(), 1u) << c.place;
    EXPECT_TRUE(platform.lastMessage().text.startsWith(c.place)) << platform.lastMessage().text.toStdString();
    EXPECT_EQ(platform.lastMessage().title, kTip);
    EXPECT_EQ(editor->currentRow(), c.row) << c.place;
    EXPECT_EQ(editor->currentColumn(), c.column) << c.place;
    EXPECT_TRUE(boxOver(c.row, c.column)) << c.place;
    EXPECT_EQ(editor->windowTitle(), "Drawings");
  }
}

// Digits as every reader reads them ("05" is 5) are saved as typed; the
// charts read the saved file as the draws typed.
TEST_F(DrawEditorTest, SaveWritesEveryDigitTheChartsRead) {
  open("125 1 2 3\r\n");
  typeRow(1, {"126", "05", "+3", "4.0"});
  click(editor->Command13);
  EXPECT_EQ(messageTexts(), QStringList{"OK!"});
  EXPECT_EQ(file(), "125 1 2 3\r\n126 05 +3 4.0\r\n");
  const DrawHistory history = parseDrawHistory(file());
  ASSERT_EQ(history.draws.size(), 2u);
  EXPECT_EQ(history.draws[1].label, 126);
  EXPECT_EQ(QString("%1%2%3").arg(history.draws[1].h).arg(history.draws[1].t).arg(history.draws[1].u), "534");
}

// One row per line: a blank line or a line of other than four fields never
// makes later draws take their fields from the wrong lines. Save with no
// edits mends a blank line and empty fields at a line's end, refuses a line
// it cannot write as the charts read it, and otherwise keeps what they read.
TEST_F(DrawEditorTest, SaveWithNoEditsKeepsEveryDrawOnItsOwnLine) {
  struct Case {
    const char *name;
    QByteArray file;
    QStringList rows;
    QByteArray saved;     // the file after Save
    QString refusal;      // or the start of Save's refusal
  };
  const Case cases[] = {
      {"a blank line", "1 1 2 3\r\n\r\n2 4 5 6\r\n3 7 8 9\r\n", {"1|1|2|3", "|||", "2|4|5|6", "3|7|8|9", "|||"},
       "1 1 2 3\r\n2 4 5 6\r\n3 7 8 9\r\n", {}},
      {"four fields a line", "20260812001 05 +3 4.0\r\n0 0 0 0\r\n7 9 9 9\r\n",
       {"20260812001|05|+3|4.0", "0|0|0|0", "7|9|9|9", "|||"}, "20260812001 05 +3 4.0\r\n0 0 0 0\r\n7 9 9 9\r\n", {}},
      {"a short line", "1 1 2\r\n2 4 5 6\r\n", {"1|1|2|", "2|4|5|6", "|||"}, {}, "Row 1, column U is empty."},
      {"a long line", "1 1 2 3 4\r\n2 4 5 6\r\n", {"1|1|2|3 4", "2|4|5|6", "|||"}, {}, "Row 1, column U holds \"3 4\"."},
      // Read as the charts read them: a draw they show is saved, one they leave out is refused.
      {"a digit in quotes with a blank", "1 1 2 3\r\n2 \"4 \"5 6\r\n\"20260101003 \" 7 8 9\r\n",
       {"1|1|2|3", "2|4 |5|6", "20260101003 |7|8|9", "|||"}, "1 1 2 3\r\n2 4 5 6\r\n20260101003 7 8 9\r\n", {}},
      {"a vertical tab after a digit", "1 1 2 3\v\r\n2 4 5 6\r\n", {"1|1|2|3\v", "2|4|5|6", "|||"}, {},
       "Row 1, column U holds \"3\v\"."},
      {"empty fields at a line's end", "1 1 2 3,,\r\n2 4 5 6,\r\n", {"1|1|2|3", "2|4|5|6", "|||"},
       "1 1 2 3\r\n2 4 5 6\r\n", {}},
      {"a line of commas before a draw", "1 1 2 3\r\n,,,\r\n2 4 5 6\r\n", {"1|1|2|3", "|||", "2|4|5|6", "|||"}, {},
       "Row 2 shows no draw, but its line in the file holds commas or double quotes"},
  };
  for (const Case &c : cases) {
    open(c.file);
    EXPECT_EQ(rows(), c.rows) << c.name;
    platform.messages.clear();  // the charts' early end, said at the load
    click(editor->Command13);
    ASSERT_EQ(platform.messages.size(), 1u) << c.name;
    if (c.refusal.isEmpty()) {
      EXPECT_EQ(platform.lastMessage().text, "OK!") << c.name;
      EXPECT_EQ(file(), c.saved) << c.name;
      if (test::readsLineByLine(c.file)) {
        EXPECT_EQ(test::chartReading(file()), test::chartReading(c.file)) << c.name;
      }
    } else {
      EXPECT_TRUE(platform.lastMessage().text.startsWith(c.refusal)) << platform.lastMessage().text.toStdString();
      EXPECT_EQ(file(), c.file) << c.name;
    }
  }
}

TEST_F(DrawEditorTest, FailedSaveLeavesTheFileAndSaysWhat) {
  const QByteArray original = "125 1 2 3\r\n";
  open(original);
  typeRow(1, {"126", "4", "5", "6"});
  {
    FailingWrites failing;
    click(editor->Command13);
  }
  EXPECT_EQ(file(), original);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_TRUE(platform.lastMessage().text.contains(path)) << platform.lastMessage().text.toStdString();
  EXPECT_EQ(editor->windowTitle(), "Drawings");
  EXPECT_EQ(rows()[1], "126|4|5|6");  // the edits are still there to save again
  EXPECT_EQ(QDir(home.path() + "/data").entryList(QDir::Files), QStringList{"NY.txt"});
}

// A pipe, a folder or a link at the lock file's name: Save never waits on
// it, says what stands there and what to do, keeps the edits and the file.
TEST_F(DrawEditorTest, SaveRefusesWhatStandsAtTheLockFilesNameAndNeverWaits) {
  struct Case {
    const char *kind;
    std::function<void(const QString &lock)> make;
  };
  const Case cases[] = {
      {"a named pipe (FIFO)", [](const QString &lock) { ASSERT_EQ(mkfifo(QFile::encodeName(lock), 0600), 0); }},
      {"a folder", [](const QString &lock) { ASSERT_TRUE(QDir().mkdir(lock)); }},
      {"a symbolic link", [](const QString &lock) { ASSERT_TRUE(QFile::link("NY.txt", lock)); }},
  };
  const QByteArray original = "125 1 2 3\r\n";
  for (const Case &c : cases) {
    open(original);
    const QString lock = path + "..lock";
    c.make(lock);
    typeRow(1, {"126", "4", "5", "6"});
    platform.messages.clear();
    {
      test::FifoRelease release(lock);  // a save that waited on the pipe would fail here instead of hanging
      click(editor->Command13);
    }
    EXPECT_EQ(messageTexts(),
              QStringList{"Cannot save the draws to " + path + ": At the name of its lock file " + lock + " there is " +
                          c.kind +
                          ", not the lock file that Corvessa makes there while it saves. Please remove it and save "
                          "again.\r\nThe file was left as it was."})
        << c.kind;
    EXPECT_EQ(platform.lastMessage().title, "Error:") << c.kind;
    EXPECT_EQ(editor->windowTitle(), "Drawings") << c.kind;
    EXPECT_EQ(file(), original) << c.kind;
    EXPECT_EQ(rows()[1], "126|4|5|6") << c.kind;

    // Removed as the message asks, the next Save writes the edits.
    ASSERT_TRUE(QFileInfo(lock).isDir() ? QDir().rmdir(lock) : QFile::remove(lock)) << c.kind;
    platform.messages.clear();
    click(editor->Command13);
    EXPECT_EQ(messageTexts(), QStringList{"OK!"}) << c.kind;
    EXPECT_EQ(file(), "125 1 2 3\r\n126 4 5 6\r\n") << c.kind;
    EXPECT_FALSE(QFileInfo::exists(lock)) << c.kind;
  }
}

TEST_F(DrawEditorTest, NoOtherButtonActsWhileSaving) {
  open("125 1 2 3\r\n126 4 5 6\r\n");
  clickCell(0, 0);
  // Queued now, delivered while the save lets waiting events through.
  QMetaObject::invokeMethod(editor->Command12, "click", Qt::QueuedConnection);
  QMetaObject::invokeMethod(editor->Command10, "click", Qt::QueuedConnection);
  click(editor->Command13);
  EXPECT_EQ(file(), "125 1 2 3\r\n126 4 5 6\r\n");
  EXPECT_EQ(rows().size(), 3);
  EXPECT_EQ(messageTexts(), QStringList{"OK!"});  // and no Exit question
  EXPECT_TRUE(editor->isVisible());
}

TEST_F(DrawEditorTest, Import) {
  const QByteArray original = "125 1 2 3\r\n";
  const QByteArray imported = "7 1 1 1\n8 2 2 2\n";
  struct Case {
    const char *name;
    std::optional<MessageAnswer> answer;
    std::optional<QByteArray> chosenFile;  // nullopt: the dialog is cancelled
    bool failWrites;
    QByteArray fileAfter;
    QString lastMessage;  // empty: the question was the only message
  };
  const Case cases[] = {
      {"answered No", MessageAnswer::No, imported, false, original, kImportQuestion},
      {"dialog cancelled", MessageAnswer::Yes, std::nullopt, false, original, kImportQuestion},
      {"imported", MessageAnswer::Yes, imported, false, imported, "The program has been imported."},
      {"NUL bytes refused", MessageAnswer::Yes, QByteArray("7 1 1 1\r\n\0", 10), false, original, "Error:"},
      {"no draw refused", MessageAnswer::Yes, QByteArray("Hello\r\nworld\r\n"), false, original, "Error:"},
      {"failed write", MessageAnswer::Yes, imported, true, original, "Error:"},
  };
  for (const Case &c : cases) {
    open(original);
    platform.messages.clear();
    platform.openRequests.clear();
    typeInto(1, 0, "126");  // unsaved edits
    platform.answers = {*c.answer};
    platform.openFiles.clear();
    if (c.chosenFile)
      platform.openFiles = {home.writeFile("elsewhere/in.txt", *c.chosenFile)};
    {
      std::unique_ptr<FailingWrites> failing;
      if (c.failWrites)
        failing = std::make_unique<FailingWrites>();
      click(editor->Command17);
    }
    EXPECT_EQ(file(), c.fileAfter) << c.name;
    ASSERT_FALSE(platform.messages.empty()) << c.name;
    EXPECT_EQ(platform.messages.front().text, kImportQuestion) << c.name;
    EXPECT_EQ(platform.messages.front().style, MessageStyle::YesNoWarning) << c.name;
    EXPECT_EQ(platform.messages.front().title, kTip) << c.name;
    const FakePlatform::Message &last = platform.lastMessage();
    if (c.lastMessage == "Error:")
      EXPECT_EQ(last.title, "Error:") << c.name << ": " << last.text.toStdString();
    else
      EXPECT_EQ(last.text, c.lastMessage) << c.name;
    if (c.fileAfter == imported) {
      EXPECT_EQ(rows(), (QStringList{"7|1|1|1", "8|2|2|2", "|||"})) << c.name;
      EXPECT_EQ(headers(), (QStringList{"-- Date --", "--H--", "--T--", "--U--"}));
      EXPECT_TRUE(boxOver(2, 0)) << c.name;
      EXPECT_EQ(editor->windowTitle(), "Drawings");
    } else {
      EXPECT_EQ(rows(), (QStringList{"125|1|2|3", "126|||"})) << c.name;  // the edits stay
    }
    if (c.answer == MessageAnswer::Yes) {
      ASSERT_EQ(platform.openRequests.size(), 1u) << c.name;
      EXPECT_EQ(platform.openRequests[0].title, "Please locate the valid data file.");
      EXPECT_EQ(platform.openRequests[0].filter, "data file|*.txt");
      EXPECT_TRUE(platform.openRequests[0].fileName.isEmpty());
    } else {
      EXPECT_TRUE(platform.openRequests.empty()) << c.name;
    }
  }
}

TEST_F(DrawEditorTest, ExportCopiesTheFileAsLastSaved) {
  const QByteArray saved = "125 1 2 3\r\n";
  open(saved);
  clickCell(1, 0);
  type("126");  // in the box only, and never saved
  const QString target = home.path() + "/out/NY";
  QDir().mkpath(home.path() + "/out");
  platform.saveFiles = {target};
  click(editor->Command16);
  ASSERT_EQ(platform.saveRequests.size(), 1u);
  const FileDialogRequest &request = platform.saveRequests[0];
  EXPECT_EQ(request.title, "Please specify a folder.");
  EXPECT_EQ(request.fileName, "NY");
  EXPECT_EQ(request.initialFolder, QDir::homePath());
  EXPECT_EQ(request.filter, "data file|*.txt");
  EXPECT_EQ(home.readFile(target), saved);
  EXPECT_EQ(messageTexts(), QStringList{"The program has been exported.The store path:" + target + "."});
  EXPECT_EQ(rows()[1], "126|||");  // the typed text was kept in its cell

  platform.messages.clear();
  click(editor->Command16);  // cancelled
  EXPECT_TRUE(platform.messages.empty());

  for (const QString &bad : {home.path() + "/no-such-folder/NY", target}) {
    platform.messages.clear();
    platform.saveFiles = {bad};
    {
      FailingWrites failing;
      click(editor->Command16);
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().title, "Error:");
    EXPECT_TRUE(platform.lastMessage().text.contains(bad)) << platform.lastMessage().text.toStdString();
  }
  EXPECT_EQ(home.readFile(target), saved);  // the earlier export was not spoilt
}

TEST_F(DrawEditorTest, DownloadAndHelpOpenPages) {
  open("");
  platform.answers = {MessageAnswer::No};
  click(editor->Command14);
  EXPECT_TRUE(platform.opened.isEmpty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().text,
            "Before starting the download, make sure you have connected to the Internet. \r\n"
            "Are you sure you want to download?");
  EXPECT_EQ(platform.lastMessage().style, MessageStyle::YesNoWarning);
  EXPECT_EQ(platform.lastMessage().title, kTip);
  platform.answers = {MessageAnswer::Yes};
  click(editor->Command14);
  click(editor->Command18);
  click(editor->Command15);
  EXPECT_EQ(platform.opened, (QStringList{downloadPageAddress(), helpPagePath("\\help\\Edit_Drawings.htm"),
                                          helpPagePath("\\help\\Data_Download-Data_Import.htm")}));
  for (const QString &page : platform.opened)
    EXPECT_TRUE(QFileInfo(page).isFile()) << page.toStdString();
  EXPECT_FALSE(editor->downloadAddress->isVisible());
}

TEST_F(DrawEditorTest, ExitAndTheCloseBoxAsk) {
  for (bool closeBox : {false, true}) {
    open("125 1 2 3\r\n");
    typeInto(0, 1, "9");
    platform.messages.clear();
    platform.answers = {MessageAnswer::No};
    closeBox ? void(editor->close()) : click(editor->Command10);
    EXPECT_TRUE(editor->isVisible()) << closeBox;
    EXPECT_EQ(rows()[0], "125|9|2|3") << closeBox;
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, kExitQuestion);
    EXPECT_EQ(platform.lastMessage().style, MessageStyle::YesNo);
    EXPECT_EQ(platform.lastMessage().title, "Query:");
    platform.answers = {MessageAnswer::Yes};
    closeBox ? void(editor->close()) : click(editor->Command10);
    EXPECT_FALSE(editor->isVisible()) << closeBox;
  }
}

namespace {
// Records the text of every cell the grid paints, as the painting lays it out.
class PaintedTexts final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    texts[{index.row(), index.column()}] = shown.text;
    QStyledItemDelegate::paint(painter, option, index);
  }
  mutable std::map<std::pair<int, int>, QString> texts;
};
}  // namespace

TEST_F(DrawEditorTest, AHugeCellIsPaintedCutAndKeptWholeAndSaveRefusesIt) {
  const QString ellipsis(QChar(0x2026));
  std::map<std::pair<int, int>, QString> paintedBefore;
  // The same beginning, 3,000 characters and 50 MB long: what is painted is the same.
  for (const qsizetype length : {qsizetype(3000), qsizetype(50) << 20}) {
    const QByteArray original = "125 1 2 3\r\n" + QByteArray(length, 'A') + " 4 5 6\r\n";
    open(original);
    auto *painted = new PaintedTexts(grid());
    grid()->setItemDelegate(painted);
    grid()->viewport()->repaint();
    const auto paintedCell = [&](int row, int column) { return painted->texts[std::make_pair(row, column)]; };
    EXPECT_EQ(paintedCell(1, 0), QString(2000, 'A') + ellipsis);
    EXPECT_EQ(paintedCell(1, 1), "4");
    if (!paintedBefore.empty()) {
      EXPECT_TRUE(painted->texts == paintedBefore);
    }
    paintedBefore = painted->texts;

    // The cell keeps its whole text through clicks; Save refuses it with its usual message.
    clickCell(1, 0);
    clickCell(1, 1);
    EXPECT_EQ(model().text(1, 0).size(), length);
    platform.messages.clear();
    click(editor->Command13);
    ASSERT_EQ(platform.messages.size(), 1u);
    const QString &message = platform.lastMessage().text;
    EXPECT_TRUE(message.startsWith("Row 2, column Date holds \"" + QString(200, 'A') + ellipsis + "\".\r\n"))
        << message.left(300).toStdString();
    EXPECT_TRUE(message.endsWith("Nothing was saved. Please correct the cell and save again."));
    EXPECT_EQ(editor->currentRow(), 1);
    EXPECT_EQ(editor->currentColumn(), 0);
    EXPECT_TRUE(file() == original);
  }
}

TEST_F(DrawEditorTest, FortyThousandDrawsSaveAndReloadByteForByte) {
  QByteArray bytes;
  for (int i = 0; i < 40000; ++i)
    bytes += QByteArray::number(20000000000LL + i) + ' ' + char('0' + i % 10) + ' ' + char('0' + i / 10 % 10) + ' ' +
             char('0' + i / 100 % 10) + "\r\n";
  open(bytes);
  ASSERT_EQ(model().rowCount(), 40001);
  const QStringList loaded = rows();
  click(editor->Command13);
  EXPECT_EQ(platform.lastMessage().text, "OK!");
  EXPECT_TRUE(file() == bytes);  // not EXPECT_EQ: a failure would print 800 kB
  reopen();
  EXPECT_TRUE(rows() == loaded);
  EXPECT_EQ(rows()[39999], "20000039999|9|9|9");
}

// An editor that could not read its file never writes over it: Save and
// Export refuse with one message, and the file stays as it was. Import, which
// replaces the file on purpose, still does.
TEST_F(DrawEditorTest, AFileItCouldNotReadIsNeverWrittenOver) {
  struct Case {
    const char *name;
    std::function<bool(const QString &)> make;  // puts it at the lottery's path
    bool importable;                            // Import replaces it and the editor reads it back
  };
  const Case cases[] = {
      {"a pipe", [](const QString &p) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }, true},
      {"a link to itself", [](const QString &p) { return QFile::link(p, p); }, false},
      {"a file larger than any history",
       [](const QString &p) {
         QFile f(p);
         return f.open(QIODevice::WriteOnly) && f.resize(qint64(64) << 30);
       },
       true},
      // Root reads it all the same.
      {"a file this user may write but not read",
       [](const QString &p) {
         QFile f(p);
         return geteuid() != 0 && f.open(QIODevice::WriteOnly) && f.write("125 1 2 3\r\n") > 0 &&
                f.setPermissions(QFileDevice::WriteOwner);
       },
       false},  // an imported file keeps the permissions, so it stays unreadable
  };
  for (const Case &c : cases) {
    path = home.dataFile("NY");
    QFile::remove(path);
    if (!c.make(path))
      continue;
    struct stat before {};
    ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &before), 0) << c.name;
    home.selectLottery("NY");
    platform.messages.clear();
    reopen();
    ASSERT_EQ(platform.messages.size(), 1u) << c.name;
    EXPECT_TRUE(platform.lastMessage().text.startsWith("Cannot read the draw file " + path)) << c.name;

    typeInto(0, 0, "126");
    click(editor->Command13);
    const QString refusal = "The draw file " + path + " could not be read when the editor opened, so %1 is refused: "
                            "the file was left as it was.\r\nClose the editor and open it again once the file can be "
                            "read, or replace the file with Import.";
    ASSERT_EQ(platform.messages.size(), 2u) << c.name;
    EXPECT_EQ(platform.lastMessage().title, "Error:");
    EXPECT_EQ(platform.lastMessage().text, refusal.arg("Save")) << c.name;
    platform.saveFiles = {home.path() + "/exported.txt"};
    click(editor->Command16);
    ASSERT_EQ(platform.messages.size(), 3u) << c.name;
    EXPECT_EQ(platform.lastMessage().text, refusal.arg("Export")) << c.name;
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/exported.txt")) << c.name;

    struct stat after {};
    ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &after), 0) << c.name;
    EXPECT_EQ(after.st_ino, before.st_ino) << c.name;
    EXPECT_EQ(after.st_size, before.st_size) << c.name;
    EXPECT_EQ(after.st_mode, before.st_mode) << c.name;
    EXPECT_EQ(QDir(home.path() + "/data").entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
              QStringList{"NY.txt"});

    if (!c.importable)
      continue;
    platform.answers = {MessageAnswer::Yes};
    platform.openFiles = {home.writeFile("elsewhere/in.txt", "7 1 1 1\r\n")};
    click(editor->Command17);
    EXPECT_EQ(platform.lastMessage().text, "The program has been imported.") << c.name;
    EXPECT_EQ(file(), "7 1 1 1\r\n") << c.name;
    typeRow(1, {"8", "2", "2", "2"});
    click(editor->Command13);  // the file was read again: Save is the user's to make
    EXPECT_EQ(platform.lastMessage().text, "OK!") << c.name;
    EXPECT_EQ(file(), "7 1 1 1\r\n8 2 2 2\r\n") << c.name;
  }
}

// A file that was not there when the editor opened is made by Save.
TEST_F(DrawEditorTest, SaveMakesAMissingFile) {
  home.selectLottery("Gone");
  path = home.dataFile("Gone");
  reopen();
  typeRow(0, {"125", "1", "2", "3"});
  click(editor->Command13);
  EXPECT_EQ(platform.lastMessage().text, "OK!");
  EXPECT_EQ(file(), "125 1 2 3\r\n");
}

// A lottery file that is a symbolic link is read through, but Save and Import
// write nothing through it: the file it points to stays as it was.
TEST_F(DrawEditorTest, SaveAndImportRefuseASymbolicLink) {
  const QString outside = home.writeFile("outside/victim.txt", "125 1 2 3\r\n");
  path = home.dataFile("NY");
  ASSERT_TRUE(QFile::link(outside, path));
  home.selectLottery("NY");
  reopen();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(rows(), (QStringList{"125|1|2|3", "|||"}));

  const QString refusal = "It is a symbolic link, and Corvessa writes no file through a link; the file it points "
                          "to was left as it was.\r\nThe file was left as it was.";
  typeRow(1, {"126", "4", "5", "6"});
  click(editor->Command13);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().text, "Cannot save the draws to " + path + ": " + refusal);
  platform.answers = {MessageAnswer::Yes};
  platform.openFiles = {home.writeFile("elsewhere/in.txt", "7 1 1 1\r\n")};
  click(editor->Command17);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().text, "Cannot import into the draw file " + path + ": " + refusal);
  EXPECT_EQ(home.readFile(outside), "125 1 2 3\r\n");
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), outside);

  // Export reads through it, to where the user chose.
  platform.saveFiles = {home.path() + "/exported.txt"};
  click(editor->Command16);
  EXPECT_EQ(home.readFile(home.path() + "/exported.txt"), "125 1 2 3\r\n");
}

// A file saved by a Windows editor starts with a byte-order mark: the editor
// and Import's check read it as a draw file, and Save writes none.
TEST_F(DrawEditorTest, AByteOrderMarkIsReadPastAndSaveWritesNone) {
  open("\xEF\xBB\xBF" "125 1 2 3\r\n126 4 5 6\r\n");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(rows(), (QStringList{"125|1|2|3", "126|4|5|6", "|||"}));
  click(editor->Command13);
  EXPECT_EQ(platform.lastMessage().text, "OK!");
  EXPECT_EQ(file(), "125 1 2 3\r\n126 4 5 6\r\n");

  platform.answers = {MessageAnswer::Yes};
  platform.openFiles = {home.writeFile("elsewhere/in.txt", "\xEF\xBB\xBF" "7 1 1 1\r\n")};
  click(editor->Command17);
  EXPECT_EQ(platform.lastMessage().text, "The program has been imported.");
  EXPECT_EQ(rows(), (QStringList{"7|1|1|1", "|||"}));
}

namespace {
const QString kChangedOnDisk = QStringLiteral("has changed on disk since the editor read it");

// Another program at work on the lottery's file while the editor is open.
void appendTo(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write(bytes);
}
void replaceByRename(const QString &path, const QByteArray &bytes) {
  QFile file(path + ".new");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.close();
  ASSERT_EQ(::rename(QFile::encodeName(path + ".new").constData(), QFile::encodeName(path).constData()), 0);
}
void overwriteInPlace(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));  // not truncated: the same size
  file.write(bytes);
}
}  // namespace

// Save and Import never replace a file that changed on disk since the editor
// read it without asking; No writes nothing and keeps the edits, Yes
// replaces the file, and what the editor wrote is the file it then knows.
TEST_F(DrawEditorTest, AFileChangedOnDiskSinceTheLoadMakesSaveAndImportAsk) {
  const QByteArray original = "125 1 2 3\r\n";
  struct Case {
    const char *name;
    std::function<void(const QString &)> change;
    QByteArray after;  // the file as the other writer left it
  };
  const Case cases[] = {
      {"a draw appended", [](const QString &p) { appendTo(p, "200 2 2 2\r\n"); }, "125 1 2 3\r\n200 2 2 2\r\n"},
      {"replaced by a rename", [](const QString &p) { replaceByRename(p, "300 3 3 3\r\n"); }, "300 3 3 3\r\n"},
      {"rewritten in place, the same size", [](const QString &p) { overwriteInPlace(p, "125 9 9 9\r\n"); },
       "125 9 9 9\r\n"},
      {"deleted", [](const QString &p) { QFile::remove(p); }, ""},
  };
  for (const bool import : {false, true}) {
    for (const Case &c : cases) {
      const std::string name = std::string(c.name) + (import ? " (Import)" : " (Save)");
      open(original);
      typeRow(1, {"126", "4", "5", "6"});
      c.change(path);
      platform.messages.clear();
      const QByteArray imported = "7 1 1 1\r\n";
      auto press = [&] {
        if (import) {
          platform.answers.push_front(MessageAnswer::Yes);  // the import's own question
          platform.openFiles = {home.writeFile("elsewhere/in.txt", imported)};
          click(editor->Command17);
        } else {
          click(editor->Command13);
        }
      };
      platform.answers = {MessageAnswer::No};
      press();
      ASSERT_FALSE(platform.messages.empty()) << name;
      const FakePlatform::Message &question = platform.lastMessage();
      EXPECT_EQ(question.title, "Query:") << name;
      EXPECT_EQ(question.style, MessageStyle::YesNoWarning) << name;
      EXPECT_TRUE(question.text.contains(path + " " + kChangedOnDisk)) << question.text.toStdString();
      EXPECT_FALSE(question.busyPointer) << name;
      EXPECT_EQ(home.readFile(path), c.after) << name;
      EXPECT_EQ(rows(), (QStringList{"125|1|2|3", "126|4|5|6"})) << name;  // the edits stay

      platform.messages.clear();
      platform.answers = {MessageAnswer::Yes};
      press();
      EXPECT_EQ(home.readFile(path), import ? imported : "125 1 2 3\r\n126 4 5 6\r\n") << name;
      EXPECT_EQ(platform.lastMessage().text, import ? "The program has been imported." : "OK!") << name;

      // The file is now the one the editor wrote: no question.
      platform.messages.clear();
      click(editor->Command13);
      EXPECT_EQ(messageTexts(), QStringList{"OK!"}) << name;
    }
  }
}

// A file made where the editor found none was never read either.
TEST_F(DrawEditorTest, AFileMadeSinceTheEditorFoundNoneMakesSaveAsk) {
  home.selectLottery("Gone");
  path = home.dataFile("Gone");
  reopen();
  typeRow(0, {"125", "1", "2", "3"});
  home.writeLottery("Gone", "7 7 7 7\r\n");
  platform.messages.clear();
  click(editor->Command13);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Query:");
  EXPECT_TRUE(platform.lastMessage().text.contains(kChangedOnDisk));
  EXPECT_EQ(file(), "7 7 7 7\r\n");
}

// Two windows of Corvessa with the editor open on one lottery: the second
// save no longer overwrites the first one's draw without a word.
TEST_F(DrawEditorTest, TwoEditorsOnOneLotteryNeverOverwriteEachOtherSilently) {
  open("125 1 2 3\r\n");
  std::unique_ptr<DrawEditor> first = std::move(editor);
  reopen();
  std::unique_ptr<DrawEditor> second = std::move(editor);

  editor = std::move(first);
  typeRow(1, {"126", "4", "5", "6"});
  click(editor->Command13);
  EXPECT_EQ(messageTexts(), QStringList{"OK!"});
  first = std::move(editor);

  editor = std::move(second);
  typeRow(1, {"127", "7", "8", "9"});
  platform.messages.clear();
  platform.answers = {MessageAnswer::No};
  click(editor->Command13);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Query:");
  EXPECT_EQ(file(), "125 1 2 3\r\n126 4 5 6\r\n");  // the first editor's draw is kept
  platform.answers = {MessageAnswer::Yes};
  click(editor->Command13);
  EXPECT_EQ(file(), "125 1 2 3\r\n127 7 8 9\r\n");
  second = std::move(editor);

  // And the first one, saving again, is asked in its turn.
  editor = std::move(first);
  platform.messages.clear();
  click(editor->Command13);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Query:");
  EXPECT_EQ(file(), "125 1 2 3\r\n127 7 8 9\r\n");
}

namespace {
// A history whose rows need a large block of the editor's memory.
QByteArray manyDraws(int count) {
  QByteArray bytes;
  for (int i = 1; i <= count; ++i)
    bytes += QByteArray::number(i) + " 1 2 3\r\n";
  return bytes;
}
constexpr std::size_t kFailFrom = 64 << 10;  // the rows of 20,000 draws take more
}  // namespace

// Memory that runs out while the editor loads ends in one "Error:" message;
// the editor then acts as after a file it could not read.
TEST_F(DrawEditorTest, MemoryRunningOutInTheLoadSaysSoAndWritesNothing) {
  const QByteArray original = manyDraws(20000);
  path = home.writeLottery("NY", original);
  home.selectLottery("NY");
  {
    test::FailingLargeBlocks failing(kFailFrom);
    reopen();
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().text, "Cannot read the draw file " + path +
                                             ": There is not enough memory to show its draws.\r\nThe editor opens "
                                             "with no draws; nothing was created.");
  EXPECT_EQ(rows(), QStringList{"|||"});
  EXPECT_TRUE(boxOver(0, 0));
  typeRow(0, {"1", "1", "1", "1"});
  click(editor->Command13);
  EXPECT_TRUE(platform.lastMessage().text.contains("could not be read when the editor opened, so Save is refused"))
      << platform.lastMessage().text.toStdString();
  EXPECT_TRUE(file() == original);
}

// When the file Import wrote cannot be read back, one message says both.
// A file that changed moments before the editor read it is known by its
// bytes; when they cannot be read again at Save (here memory is short for
// them), the question says that the check could not be made, and why, and
// the file is written only after Yes.
TEST_F(DrawEditorTest, AChangeCheckThatCannotBeMadeIsToldTrulyAndWritesOnlyAfterYes) {
  if (!test::ShortMemory::available())
    GTEST_SKIP() << "memory cannot be limited under AddressSanitizer";
  const int count = 2000000;  // some 30 MB, written moments before the editor reads it
  const QByteArray original = manyDraws(count);
  open(original);
  typeRow(count, {"9999999", "4", "5", "6"});
  const QString question =
      "Corvessa cannot tell whether the draw file " + path +
      " has changed on disk since the editor read it: it had changed moments before the editor read it, so its bytes "
      "have to be compared, and reading it again failed: There is not enough memory to read its " +
      QString::number(original.size()) +
      " bytes.\r\nYes replaces the file as it is now with the draws shown here; No saves nothing and keeps your edits.";
  for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    platform.messages.clear();
    platform.answers = {answer};
    {
      // Room to build the bytes to save, not to read the file's again beside them.
      test::ShortMemory shortOfMemory(std::size_t(original.size()) + (16 << 20));
      click(editor->Command13);
    }
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages[0].text, question);
    EXPECT_EQ(platform.messages[0].title, "Query:");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::YesNoWarning);
    if (answer == MessageAnswer::No) {
      EXPECT_EQ(platform.messages.size(), 1u);
      EXPECT_EQ(file(), original);
      EXPECT_EQ(model().index(count, 0).data().toString(), "9999999");  // the edits stay
    } else {
      EXPECT_EQ(messageTexts().last(), "OK!");
      EXPECT_EQ(file(), original + "9999999 4 5 6\r\n");
    }
  }
}

TEST_F(DrawEditorTest, AnImportThatCannotBeReadBackSaysSoOnce) {
  open("125 1 2 3\r\n");
  const QByteArray imported = manyDraws(20000);
  platform.messages.clear();
  platform.answers = {MessageAnswer::Yes};
  platform.openFiles = {home.writeFile("elsewhere/in.txt", imported)};
  {
    test::FailingLargeBlocks failing(kFailFrom);
    click(editor->Command17);
  }
  EXPECT_TRUE(file() == imported);
  ASSERT_EQ(platform.messages.size(), 2u);  // the import's question, then one message
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().text,
            "The file " + home.path() + "/elsewhere/in.txt was imported into the draw file " + path +
                ", but the editor cannot read it back: There is not enough memory to show its draws.\r\nThe editor "
                "shows no draws, and Save and Export are refused until it has read the file; close it and open it "
                "again.");
  EXPECT_EQ(rows(), QStringList{"|||"});
}

// "Add at the end " shows its row, wherever the grid was scrolled.
TEST_F(DrawEditorTest, AddAtTheEndShowsTheNewRow) {
  open(manyDraws(500));
  clickCell(100, 1);
  for (int added = 1; added <= 2; ++added) {
    click(editor->Command3);
    const int last = model().rowCount() - 1;
    ASSERT_EQ(last, 500 + added);
    const QRect cell = grid()->visualRect(model().index(last, 0));
    EXPECT_TRUE(!cell.isEmpty() && grid()->viewport()->rect().contains(cell)) << added;
  }
}

// What Save took from the edit box stays in view over its cell.
TEST_F(DrawEditorTest, SaveLeavesTheSavedTextInView) {
  open("125 1 2 3\r\n");
  for (int c = 0; c < 3; ++c)
    typeInto(1, c, QStringList{"126", "4", "5"}[c]);
  type("6");  // still in the box
  click(editor->Command13);
  EXPECT_EQ(file(), "125 1 2 3\r\n126 4 5 6\r\n");
  EXPECT_EQ(shownAt(1, 3), "6");
  clickCell(1, 0);  // leaving the cell changes nothing
  EXPECT_EQ(rows()[1], "126|4|5|6");
  EXPECT_EQ(shownAt(1, 3), "6");
}

// The model keeps Qt's rules under every change the editor makes.
TEST(DrawingsModel, KeepsTheModelRulesUnderEveryChange) {
  DrawingsModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.setHeaderTexts({"-- Date --", "--H--", "--T--", "--U--"});
  model.setRows(EditorRows("1 1 2 3\r\n\r\n2 4 5 6 7\r\n"));
  model.insertBlankRow(model.rowCount());
  model.insertBlankRow(0);
  model.setText(2, 1, "9");
  model.removeRowAt(1);
  model.clearRow(0);
  model.insertBlankRow(99);  // past the end: appended
  model.removeRowAt(99);     // nothing
  QStringList shown;
  for (int r = 0; r < model.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
      cells << model.index(r, c).data().toString();
    shown << cells.join('|');
  }
  EXPECT_EQ(shown, (QStringList{"|||", "|9||", "2|4|5|6 7", "|||", "|||"}));
  model.setRows({});
  EXPECT_EQ(model.rowCount(), 0);
}
