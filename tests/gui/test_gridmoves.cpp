// The grid as a user moves on from a chart's first look: scrolling sideways
// by whole columns, numbers too wide for their column, presses on the fixed
// row and column, ranges dragged or stretched with Shift, and Tab; and the
// enquiry's box with a paste far beyond any enquiry.
#include "charts/framework/toolframe.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"
#include "support/gui/menuwindows.h"
#include "support/gui/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace corvessa;
using corvessa::test::draws;

namespace {

class GridMoves : public test::MenuWindowTest {};

// ---- columns --------------------------------------------------------------

// The first column in view starts at the fixed column's edge, whole.
bool firstColumnIsWhole(GridView *view) {
  const int first = view->columnAt(0);
  return first >= 0 && view->columnViewportPosition(first) == 0;
}

bool lastColumnIsWhole(GridView *view) {
  const int last = view->model()->columnCount() - 1;
  return view->columnViewportPosition(last) + view->columnWidth(last) <= view->viewport()->width();
}

// A press and release on a part of a scroll bar, or a drag of its handle by dx.
void pressOn(QScrollBar *bar, QStyle::SubControl part, int dragBy = 0) {
  const QStyleOptionSlider option = test::scrollBarOption(bar);
  const QPoint from = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
  const QPoint to = from + QPoint(dragBy, 0);
  QTest::mousePress(bar, Qt::LeftButton, {}, from);
  if (dragBy != 0)
    QTest::mouseMove(bar, to);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
}

// ---- painted cells --------------------------------------------------------

enum class Shown { Whole, Mark, Cut };

// A grid cell (row, col >= 1) as the view painted it, without its grid lines.
QImage paintedCell(GridView *view, int row, int col) {
  const QModelIndex index = view->model()->index(row - 1, col - 1);
  view->scrollTo(index);
  view->clearFocus();  // no focus frame on the current cell
  const QRect cell = view->visualRect(index).adjusted(0, 0, -1, -1);
  return view->viewport()->grab(cell).toImage().convertToFormat(QImage::Format_RGB32);
}

// How a cell's text is drawn: its colour, its alignment.
struct TextLook {
  QColor colour;
  Qt::Alignment alignment;
};

// The text drawn as the grid draws a cell's text, on the cell's background,
// a pixel of margin each side: on a canvas three cells wide, so that ink
// beyond the cell shows. Nothing when the text is not whole inside the cell
// and `whole` asks for it.
std::optional<QImage> drawnInCell(const QString &text, const QFont &font, const QImage &cell, const TextLook &look,
                                  bool whole) {
  const QColor background = cell.pixelColor(0, 0);
  QImage canvas(cell.width() * 3, cell.height(), QImage::Format_RGB32);
  canvas.fill(background);
  const QRect middle(cell.width(), 0, cell.width(), cell.height());
  QPainter painter(&canvas);
  painter.setFont(font);
  painter.setPen(look.colour);
  painter.drawText(middle.adjusted(1, 0, -1, 0), int(look.alignment) | Qt::TextSingleLine | Qt::TextDontClip, text);
  painter.end();
  if (whole)
    for (int y = 0; y < canvas.height(); ++y)
      for (int x = 0; x < canvas.width(); ++x)
        if (!middle.contains(x, y) && canvas.pixelColor(x, y) != background)
          return std::nullopt;
  return canvas.copy(middle);
}

// The cell shows the text drawn whole in the grid's font or a smaller size
// of it, or cut at the grid's size.
bool showsWhole(const QImage &painted, const QString &text, const QFont &gridFont, const TextLook &look) {
  for (int pixels = QFontInfo(gridFont).pixelSize(); pixels > 0; --pixels) {
    QFont font = gridFont;
    font.setPixelSize(pixels);
    const std::optional<QImage> drawn = drawnInCell(text, font, painted, look, true);
    if (drawn && *drawn == painted)
      return true;
  }
  return false;
}

bool showsCut(const QImage &painted, const QString &text, const QFont &gridFont, const TextLook &look) {
  return *drawnInCell(text, gridFont, painted, look, false) == painted &&
         !drawnInCell(text, gridFont, painted, look, true);
}

void expectShown(GridView *view, int row, int col, Shown expected) {
  const QModelIndex index = view->model()->index(row - 1, col - 1);
  const QString text = index.data().toString();
  const QVariant fore = index.data(Qt::ForegroundRole);
  const TextLook look{fore.isValid() ? fore.value<QColor>() : QColor(Qt::black),
                      index.data(Qt::TextAlignmentRole).value<Qt::Alignment>()};
  const QImage painted = paintedCell(view, row, col);
  switch (expected) {
    case Shown::Whole:
      EXPECT_TRUE(showsWhole(painted, text, view->font(), look)) << text.toStdString() << " is not drawn whole";
      break;
    case Shown::Mark:
      EXPECT_TRUE(showsWhole(painted, QStringLiteral("#"), view->font(), look)) << text.toStdString() << " shows no mark";
      break;
    case Shown::Cut:
      EXPECT_TRUE(showsCut(painted, text, view->font(), look)) << text.toStdString() << " is not cut at the grid's size";
      break;
  }
}

// A tool of one 372-twip column holding the given texts, one a row.
ToolEntry narrowColumnTool(const QStringList &texts) {
  ToolDesign d;
  d.windowName = "frmnarrowtest";
  d.caption = "Narrow";
  d.cols = 2;
  d.colWidths = {{1, 1, 372}};
  d.controls = {charts::gridControl(), charts::exitButton()};
  d.layout = charts::standardLayout();
  return {d, [texts](ToolWindowState &s, const DrawHistory &) {
            s.grid.setRows(int(texts.size()) + 1);
            for (int r = 1; r <= int(texts.size()); ++r)
              s.grid.setText(r, 1, texts[r - 1]);
          }};
}

// ---- selection ------------------------------------------------------------

QColor paintedColour(GridView *view, int row, int col) {
  const QRect rect = view->visualRect(view->model()->index(row - 1, col - 1));
  return view->viewport()->grab().toImage().pixelColor(rect.left() + rect.width() / 4, rect.center().y());
}

// How many pixels along the top edge of the cell are of this colour.
int pixelsOnTopEdge(GridView *view, int row, int col, const QColor &colour) {
  const QRect rect = view->visualRect(view->model()->index(row - 1, col - 1));
  const QImage image = view->viewport()->grab().toImage();
  int count = 0;
  for (int x = rect.left(); x < rect.right(); ++x)
    count += image.pixelColor(x, rect.top()) == colour;
  return count;
}

QPoint centreOf(GridView *view, int row, int col) {
  return view->visualRect(view->model()->index(row - 1, col - 1)).center();
}

}  // namespace

TEST_F(GridMoves, ColumnsScrollWholeEveryWayTheUserScrolls) {
  startWith(draws(200));
  ToolWindow *w = chooseItem("caiwan4");  // "6 Way Box winning number from these "4 digits"", 210 group columns
  ASSERT_NE(w, nullptr);
  GridView *view = w->gridView();
  QScrollBar *bar = view->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  const struct {
    const char *step;
    std::function<void()> act;
    bool atTheEnd;
  } steps[] = {
      {"End", [&] { QTest::keyClick(view, Qt::Key_End); }, true},
      {"Home", [&] { QTest::keyClick(view, Qt::Key_Home); }, false},
      {"Ctrl+End", [&] { QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier); }, true},
      {"arrow left", [&] { pressOn(bar, QStyle::SC_ScrollBarSubLine); }, false},
      {"handle dragged", [&] { pressOn(bar, QStyle::SC_ScrollBarSlider, -37); }, false},
      {"handle to the end", [&] { pressOn(bar, QStyle::SC_ScrollBarSlider, view->width()); }, true},
      {"arrow right", [&] { bar->setValue(3); pressOn(bar, QStyle::SC_ScrollBarAddLine); }, false},
  };
  for (const auto &s : steps) {
    SCOPED_TRACE(s.step);
    s.act();
    EXPECT_TRUE(firstColumnIsWhole(view)) << "column " << view->columnAt(0) << " starts at "
                                          << view->columnViewportPosition(view->columnAt(0));
    if (s.atTheEnd) {
      EXPECT_EQ(bar->value(), bar->maximum());
      EXPECT_TRUE(lastColumnIsWhole(view));
    } else {
      EXPECT_LT(bar->value(), bar->maximum());
    }
  }
}

// The current cell lies wholly in the viewport.
bool showsCurrentCell(QAbstractItemView *view) {
  const QRect cell = view->visualRect(view->currentIndex());
  return view->currentIndex().isValid() && view->viewport()->rect().contains(cell);
}

TEST_F(GridMoves, EndAfterTheWindowNarrowedBringsTheLastColumnBack) {
  startWith(draws(40));
  ToolWindow *w = chooseItem("cai3dliangma");  // "Pairs"
  ASSERT_NE(w, nullptr);
  GridView *view = w->gridView();
  view->setFocus();
  QTest::keyClick(view, Qt::Key_End);
  ASSERT_TRUE(lastColumnIsWhole(view));
  w->resize(w->width() - 200, w->height());
  QCoreApplication::processEvents();
  ASSERT_FALSE(lastColumnIsWhole(view));  // the current cell has not moved, but it is out of sight
  QTest::keyClick(view, Qt::Key_End);
  EXPECT_TRUE(lastColumnIsWhole(view));
  EXPECT_TRUE(showsCurrentCell(view));
}

// Every key that moves the current cell shows it, also when it stays where it
// was: at an edge of the grid, with the view scrolled away from it.
TEST_F(GridMoves, AMoveKeyAtTheGridsEdgeShowsTheCurrentCell) {
  startWith(draws(300));
  ToolWindow *w = chooseItem("cai3dliangma");
  ASSERT_NE(w, nullptr);
  GridView *view = w->gridView();
  QScrollBar *across = view->horizontalScrollBar(), *down = view->verticalScrollBar();
  ASSERT_GT(across->maximum(), 0);
  ASSERT_GT(down->maximum(), 0);
  const auto toStart = [](QScrollBar *bar) { bar->setValue(bar->minimum()); };
  const auto toEnd = [](QScrollBar *bar) { bar->setValue(bar->maximum()); };
  const struct {
    const char *name;
    Qt::Key edge;  // with Ctrl: a corner of the grid
    QScrollBar *away;
    std::function<void(QScrollBar *)> scroll;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } cases[] = {
      {"End", Qt::Key_End, across, toStart, Qt::Key_End, {}},
      {"Ctrl+End", Qt::Key_End, down, toStart, Qt::Key_End, Qt::ControlModifier},
      {"Home", Qt::Key_Home, across, toEnd, Qt::Key_Home, {}},
      {"Ctrl+Home", Qt::Key_Home, down, toEnd, Qt::Key_Home, Qt::ControlModifier},
      {"Right", Qt::Key_End, across, toStart, Qt::Key_Right, {}},
      {"Left", Qt::Key_Home, across, toEnd, Qt::Key_Left, {}},
      {"Down", Qt::Key_End, down, toStart, Qt::Key_Down, {}},
      {"Up", Qt::Key_Home, down, toEnd, Qt::Key_Up, {}},
  };
  view->setFocus();
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    QTest::keyClick(view, c.edge, Qt::ControlModifier);
    const QModelIndex corner = view->currentIndex();
    c.scroll(c.away);
    ASSERT_FALSE(showsCurrentCell(view));
    QTest::keyClick(view, c.key, c.modifiers);
    EXPECT_EQ(view->currentIndex(), corner);
    EXPECT_TRUE(showsCurrentCell(view));
    EXPECT_TRUE(firstColumnIsWhole(view));
  }
}

TEST_F(GridMoves, ANumberWiderThanItsColumnIsNeverCut) {
  // In "Box Number Enquire" 321 matches no draw: its count runs to the draw count.
  for (const auto &[count, shown] : {std::pair{26832, Shown::Whole}, std::pair{100000, Shown::Mark}}) {
    SCOPED_TRACE(count);
    startWith(draws(count));
    ToolWindow *w = chooseItem("caizuxuanhaocx");
    ASSERT_NE(w, nullptr);
    w->textBox("Text1")->setPlainText("123 321");
    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    GridView *view = w->gridView();
    ASSERT_EQ(view->columnWidth(5), twipsToPixels(372));
    const int currentMiss = count + 4;
    ASSERT_EQ(w->grid().text(currentMiss, 6), QString::number(count));
    expectShown(view, currentMiss, 6, shown);
    expectShown(view, count, 6, shown);
    test::destroyAllWindows();
    main = nullptr;
  }

  // Only numbers shrink: a text stays cut at the cell's edge.
  const struct {
    const char *text;
    Shown shown;
  } cases[] = {
      {"-12.75", Shown::Whole}, {"1234567", Shown::Mark}, {"12:45", Shown::Cut}, {"1 2345", Shown::Cut},
      {"12345+", Shown::Cut},   {"Amount", Shown::Cut},
  };
  QStringList texts;
  for (const auto &c : cases)
    texts << c.text;
  ToolWindow w(narrowColumnTool(texts), platform);
  w.setAttribute(Qt::WA_DeleteOnClose, false);
  w.load();
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  for (int i = 0; i < int(std::size(cases)); ++i) {
    SCOPED_TRACE(cases[i].text);
    expectShown(w.gridView(), i + 1, 1, cases[i].shown);
  }
}

TEST_F(GridMoves, APressOnAFixedCellChangesNothing) {
  startWith(draws(40));
  for (const char *item : {"cailengwenre", "caizuxuan_xt", "caituao_xt"}) {
    SCOPED_TRACE(item);
    ToolWindow *w = chooseItem(item);
    ASSERT_NE(w, nullptr);
    GridView *view = w->gridView();
    QHeaderView *across = view->horizontalHeader(), *down = view->verticalHeader();
    const int row = w->grid().currentRow(), col = w->grid().currentCol();
    const QImage header = across->viewport()->grab().toImage(), labels = down->viewport()->grab().toImage();
    const QPoint onHeader(across->sectionViewportPosition(2) + across->sectionSize(2) / 2, across->height() / 2);
    const QPoint onLabel(down->width() / 2, down->sectionViewportPosition(view->rowAt(0)) + 3);
    QTest::mouseClick(across->viewport(), Qt::LeftButton, {}, onHeader);
    QTest::mouseClick(down->viewport(), Qt::LeftButton, {}, onLabel);
    EXPECT_EQ(w->grid().backColor(0, 3), 0u);
    EXPECT_EQ(w->grid().currentRow(), row);
    EXPECT_EQ(w->grid().currentCol(), col);
    EXPECT_TRUE(across->viewport()->grab().toImage() == header) << "the header changed its colour";
    EXPECT_TRUE(down->viewport()->grab().toImage() == labels) << "the label changed its colour";
    w->close();
  }
}

TEST_F(GridMoves, ADragOrShiftWithTheKeysSelectsARangeInTheHighlightColours) {
  startWith(draws(30));
  ToolWindow *w = chooseItem("caizuxuanhaocx");
  ASSERT_NE(w, nullptr);
  w->textBox("Text1")->setPlainText("014");
  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  GridView *view = w->gridView();
  const int n = w->state().drawCount;
  const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
  const QColor footer(231, 225, 239);
  ASSERT_EQ(paintedColour(view, n + 2, 5), footer);  // "Amount" of the entry, in the footer's colour
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  view->setFocus();

  // A press shows the cell's frame only, in its own colour.
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, n + 2, 3));
  EXPECT_EQ(paintedColour(view, n + 2, 3), footer);

  // A drag from the footer's "U" cell to the entry's "Max Miss" selects the rectangle between.
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, centreOf(view, n + 2, 3));
  QTest::mouseMove(view->viewport(), centreOf(view, n + 3, 4));
  QTest::mouseMove(view->viewport(), centreOf(view, n + 3, 5));
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centreOf(view, n + 3, 5));
  EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), 6);
  for (int r = n + 2; r <= n + 3; ++r)
    for (int c = 3; c <= 5; ++c)
      EXPECT_EQ(paintedColour(view, r, c), highlight) << r << ", " << c;
  // The cells keep their own colours; handlers find the current cell where the drag ended.
  EXPECT_EQ(w->grid().backColor(n + 2, 5), rgb(231, 225, 239));
  EXPECT_EQ(w->grid().currentRow(), n + 3);
  EXPECT_EQ(w->grid().currentCol(), 5);
  // The current cell keeps its dotted frame, in the highlighted text's colour; the others have none.
  const QColor frame = view->palette().color(QPalette::Active, QPalette::HighlightedText);
  EXPECT_GT(pixelsOnTopEdge(view, n + 3, 5, frame), 0);
  EXPECT_EQ(pixelsOnTopEdge(view, n + 3, 4, frame), 0);

  // Shift with the arrow keys stretches a range from the current cell.
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, n, 2));
  EXPECT_EQ(paintedColour(view, n, 2), QColor(255, 255, 255));
  QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), 4);
  EXPECT_EQ(paintedColour(view, n - 1, 2), highlight);
  EXPECT_EQ(paintedColour(view, n, 3), highlight);
  EXPECT_EQ(paintedColour(view, n + 2, 5), footer);  // the range before is gone
  // A move without Shift leaves one cell, shown by its frame only.
  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(paintedColour(view, n - 1, 2), QColor(255, 255, 255));
  EXPECT_EQ(paintedColour(view, n, 3), QColor(255, 255, 255));
}

TEST_F(GridMoves, TabGoesOnToTheWindowsNextControl) {
  startWith(draws(30));
  ToolWindow *w = chooseItem("caizhixuanhaocx");  // "Straight Number Enquire"
  ASSERT_NE(w, nullptr);
  GridView *view = w->gridView();
  QPlainTextEdit *box = w->textBox("Text1");
  box->setPlainText("123");
  view->setFocus();
  const int row = w->grid().currentRow(), col = w->grid().currentCol();
  QTest::keyClick(view, Qt::Key_Tab);
  EXPECT_EQ(w->focusWidget(), box);
  EXPECT_EQ(w->grid().currentRow(), row);
  EXPECT_EQ(w->grid().currentCol(), col);
  QTest::keyClick(box, Qt::Key_Tab);
  EXPECT_EQ(w->focusWidget(), w->button("Command2"));
  EXPECT_EQ(box->toPlainText(), "123");
  QTest::keyClick(w->button("Command2"), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(w->focusWidget(), box);
  QTest::keyClick(box, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(w->focusWidget(), view);
  QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_NE(w->focusWidget(), view);
  EXPECT_EQ(w->grid().currentRow(), row);
  EXPECT_EQ(w->grid().currentCol(), col);
  EXPECT_EQ(box->toPlainText(), "123");
}

TEST_F(GridMoves, APasteBeyondTheEnquiryBoxsLimitIsRefusedAtOnce) {
  startWith(draws(30));
  ToolWindow *w = chooseItem("caizhixuanhaocx");
  ASSERT_NE(w, nullptr);
  QPlainTextEdit *box = w->textBox("Text1");
  const QString typed = "123 ";
  const QString refused =
      "The text you want to paste is too long.The box takes at most 65536 characters!";
  const struct {
    const char *name;
    QString pasted;
    bool taken;
  } cases[] = {
      {"1 MiB of numbers", QString("123,").repeated(1 << 18), false},
      {"1 MiB of letters", QString(1 << 20, 'x'), false},
      {"one character too many", QString(65536 - 3, '7'), false},
      {"up to the limit", QString(65536 - 4, '7'), true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    platform.messages.clear();
    box->setPlainText(typed);
    box->moveCursor(QTextCursor::End);
    box->setFocus();
    QGuiApplication::clipboard()->setText(c.pasted);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    if (c.taken) {
      EXPECT_TRUE(platform.messages.empty());
      EXPECT_EQ(box->toPlainText(), typed + c.pasted);
      continue;
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, refused);
    EXPECT_EQ(platform.lastMessage().title, "Information");
    EXPECT_EQ(platform.lastMessage().style, MessageStyle::OkInformation);
    EXPECT_EQ(box->toPlainText(), typed);
  }
  // What the box took is enquired as ever: far too many numbers.
  platform.messages.clear();
  box->setPlainText(QString("123,").repeated(16384));
  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().text, "The Straight Number you want to enquire cannot be more than 400 Tickets.!");
}
