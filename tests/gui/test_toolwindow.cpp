// The tool window frame as a user meets it: the load's caption and pointer,
// the grid's texts, colours and font on screen, scrolling to the newest draw,
// the scroll bars, the buttons, the resize rule, the highlight, the messages
// about the draw file, and a window with extras of its own; texts that fit
// their column painted whole, the grid's own colours, keys that move on from
// the grid's current cell, and an enquiry that shows its footer; the fixed
// cells take no mouse event.
#include "charts/drawrows.h"
#include "charts/framework/toolframe.h"
#include "core/paths.h"
#include "core/programstate.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "tools/menus.h"
#include "gui/toolwindows.h"
#include "support/core/chartcells.h"
#include "support/gui/menuwindows.h"
#include "support/gui/windows.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace corvessa;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;
using corvessa::test::draws;
using corvessa::test::scrollBarOption;
using corvessa::test::showsLastRowWhole;
using corvessa::test::topRowIsWhole;

namespace {

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);
constexpr Rgb kHighlight = rgb(43, 145, 255);

// What the example tools' handlers saw, kept in the window's state.
struct Seen {
  QString pressed, typed, caption;
  int clicks = 0;
  bool busyCursor = false;
};

// What the window showed while its chart was being computed.
struct DuringLoad {
  QString caption;
  bool busy = false;
  int loads = 0;
} duringLoad;

void recordLoad(const char *windowName) {
  ++duringLoad.loads;
  duringLoad.busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
  for (QWidget *w : QApplication::topLevelWidgets())
    if (w->objectName() == windowName)
      duringLoad.caption = w->windowTitle();
}

// A chart with widths from a few twips to the default, a coloured cell, a
// help page and a highlight: labels, H, T, U, the sum, then columns 5..7.
void loadFrameTest(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  recordLoad("frmframetest");
  const int n = int(history.draws.size());
  grid.setColWidth(0, 1218);
  grid.setColWidth(1, 2);
  grid.setColWidth(2, 30);
  grid.setColWidth(4, 806);
  charts::resetGridRows(grid, n, 7);
  charts::fillDrawRows(grid, history);
  grid.setText(0, 1, "H");
  grid.setText(0, 4, "S");
  grid.setText(0, 0, "No.");
  for (int r = 1; r <= n; ++r) {
    const DrawRecord &d = history.draws[std::size_t(r - 1)];
    grid.setNumber(r, 4, d.h + d.t + d.u);
  }
  if (n >= 1) {
    grid.setBackColor(1, 4, kRed);
    grid.setForeColor(1, 4, kBlue);
  }
  grid.setTopRow(grid.rows() - 1);
}

ToolDesign frameTestDesign() {
  ToolDesign d;
  d.windowName = "frmframetest";
  d.caption = "Frame \"test\"";
  d.title = "Frame test";
  d.cols = 8;
  d.helpPage = "\\help\\Frame_test.htm";
  d.controls = {charts::gridControl(),
                charts::resetButton([](ToolWindowState &s) { charts::resetGridRows(s.grid, s.drawCount, 7); }),
                charts::exitButton(), charts::helpButton({8760, 6000, 1200, 375})};
  d.layout = charts::standardLayout({"Command2", "Command3"});
  d.highlight = kHighlight;
  d.onCellPress = [](ToolWindowState &state, int row, int col) {
    state.own<Seen>().pressed = QStringLiteral("%1,%2").arg(row).arg(col);
  };
  d.onCellDoubleClick = [](ToolWindowState &state, int row, int col) {
    state.setClipboardText(state.grid.text(row, col));
  };
  return d;
}

// A window built like the Cold Warm Hot one: "Exit" is Command1, Command2
// is a button of its own that shows and hides a list in Text1, no reset
// button, no loading caption, and a layout of its own steps.
void showList(ToolWindowState &state) {
  const int clicks = ++state.own<Seen>().clicks;
  ControlState &list = state.control("Text1");
  ControlState &button = state.control("Command2");
  if (clicks % 2 == 0) {
    list.visible = false;
    button.text = "Show list";
    return;
  }
  state.own<Seen>().typed = list.text;
  list.text = QStringLiteral("%1 draws\r\n").arg(state.drawCount);
  list.visible = true;
  button.text = "Hide list";
  state.setClipboardText("copied");
}

ToolDesign extrasDesign() {
  ToolDesign d;
  d.windowName = "frmextrastest";
  d.caption = "Extras";
  d.cols = 4;
  d.clientWidth = 11685;
  d.clientHeight = 6930;
  d.showsLoadingCaption = false;
  d.helpPage = "\\help\\Extras.htm";
  d.controls = {charts::gridControl(), charts::exitButton({0, 0, 1575, 375}, "Command1"),
                charts::actionButton("Command2", "Show list ", {0, 0, 1935, 375}, showList),
                charts::helpButton({0, 0, 1335, 375}),
                ControlDesign{.kind = ControlKind::TextBox, .name = "Text1", .place = {120, 0, 8055, 5175},
                              .visible = false, .fontPoints = 7.5}};
  d.layout = {layout::Grid{}, layout::PlaceAt{"Text1", 0, 0},
              layout::ButtonsUnderGrid{{"Command1", "Command2", "Command3"}}};
  return d;
}

void loadExtras(ToolWindowState &state, const DrawHistory &history) {
  recordLoad("frmextrastest");
  charts::resetGridRows(state.grid, int(history.draws.size()), 3);
  charts::fillDrawRows(state.grid, history);
}

// An enquiry window: a frame box under the grid holds the input box and
// "Enquire"; a label under the grid and one under it. "Enquire" refuses an
// empty text with a message and otherwise adds a column per digit under the
// busy caption.
void enquire(ToolWindowState &s) {
  const QString text = s.control("Text1").text.trimmed();
  if (text.isEmpty()) {
    s.message("You did not enter the Straight Number!");
    return;
  }
  s.beginBusy();
  s.own<Seen>().busyCursor =
      QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
  s.own<Seen>().caption = s.caption;
  s.grid.setCols(4 + int(text.size()));
  for (int i = 0; i < int(text.size()); ++i)
    s.grid.setText(0, 4 + i, text.mid(i, 1));
  s.control("Label2").text = QStringLiteral("%1 numbers").arg(text.size());
  s.grid.setCurrentCell(1, 2);
  s.endBusy("Enquire test");
}

ToolDesign enquiryDesign() {
  ToolDesign d;
  d.windowName = "frmenquirytest";
  d.caption = "Enquire test";
  d.cols = 4;
  d.clientWidth = 12960;
  d.clientHeight = 8085;
  d.controls = {
      charts::gridControl(12750, 4785),
      ControlDesign{.kind = ControlKind::Label, .name = "Label1", .caption = "[S:Small],[B:Big]", .place = {15, 6210, 4000, 180}},
      ControlDesign{.kind = ControlKind::Label, .name = "Label2", .caption = "no numbers", .place = {15, 6500, 4000, 240}},
      ControlDesign{.kind = ControlKind::Frame, .name = "Frame1", .caption = "Please enter the numbers.",
                    .place = {120, 4920, 12615, 2655}},
      ControlDesign{.kind = ControlKind::TextBox, .name = "Text1", .place = {240, 240, 12255, 1815}, .parent = "Frame1",
                    .role = ControlRole::Input},
      ControlDesign{.name = "Command2", .caption = "Enquire", .place = {240, 2160, 1215, 375}, .parent = "Frame1",
                    .role = ControlRole::Enquiry, .action = enquire},
      charts::exitButton({2760, 2160, 1095, 375}, "Command4"),
  };
  d.controls.back().parent = "Frame1";
  d.layout = {layout::Grid{3300, 210}, layout::FrameUnderGrid{"Frame1"}, layout::LabelUnderGrid{"Label1", 120},
              layout::LabelUnderLabel{"Label2", "Label1"}};
  return d;
}

void loadEnquiryTest(ToolWindowState &s, const DrawHistory &history) {
  charts::resetGridRows(s.grid, s.drawCount, 1);
  charts::fillDrawRows(s.grid, history);
}

// The test's own tools beside the program's, which some tests open too.
const ToolRegistry &testTools() {
  static const ToolRegistry tools = [] {
    ToolRegistry r = toolRegistry();
    r.add({frameTestDesign(), loadFrameTest});
    r.add({extrasDesign(), loadExtras});
    r.add({enquiryDesign(), loadEnquiryTest});
    return r;
  }();
  return tools;
}

class ToolWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    test::destroyAllWindows();
    duringLoad = {};
  }
  ToolWindow *open(const char *windowName) {
    auto *window = qobject_cast<ToolWindow *>(windows.open(windowName, platform));
    if (window) {
      EXPECT_TRUE(test::waitUntilOnScreen(window));
    }
    return window;
  }
  TestHome home;
  FakePlatform platform;
  ToolWindows windows{testTools()};
};

QString cellText(ToolWindow *w, int row, int col) {
  const GridModel *m = w->gridView()->gridModel();
  return m->data(m->index(row - 1, col - 1)).toString();
}

// The colour painted in the middle of a grid cell (row, col >= 1).
QColor paintedColour(ToolWindow *w, int row, int col) {
  GridView *view = w->gridView();
  const QRect rect = view->visualRect(view->model()->index(row - 1, col - 1));
  const QImage image = view->viewport()->grab().toImage();
  return image.pixelColor(rect.left() + rect.width() / 4, rect.center().y());
}

// The scroll bar as the window shows it, and as its style paints one in
// the same state: the same image when nothing paints over the bar.
std::pair<QImage, QImage> shownAndStyledScrollBar(QWidget *window, QScrollBar *bar) {
  const QImage shown = window->grab(QRect(bar->mapTo(window, QPoint(0, 0)), bar->size())).toImage();
  QImage styled(shown.size(), shown.format());
  styled.setDevicePixelRatio(shown.devicePixelRatio());
  styled.fill(Qt::transparent);
  QPainter painter(&styled);
  const QStyleOptionSlider option = scrollBarOption(bar);
  bar->style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, bar);
  painter.end();
  return {shown, styled};
}

}  // namespace

TEST_F(ToolWindowTest, LoadCaptionPointerTitleAndScrollToTheEnd) {
  home.writeLottery("A", draws(300));
  home.selectLottery("A");
  ToolWindow *w = open("frmframetest");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(duringLoad.caption, "Loading......");
  EXPECT_TRUE(duringLoad.busy);
  EXPECT_EQ(w->windowTitle(), "Frame test");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(platform.messages.empty());

  GridView *view = w->gridView();
  const int lastRow = view->model()->rowCount() - 1;
  EXPECT_EQ(lastRow, 300);  // draws and the spare row under the header
  EXPECT_GT(view->verticalScrollBar()->value(), 0);
  EXPECT_EQ(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
  EXPECT_TRUE(showsLastRowWhole(view));
  EXPECT_TRUE(topRowIsWhole(view));  // rows scroll whole, none half under the fixed row
  // The fixed row and column stay in view while the rest scrolls.
  EXPECT_TRUE(view->horizontalHeader()->isVisible());
  EXPECT_TRUE(view->verticalHeader()->isVisible());
  const int firstShown = view->rowAt(0);
  EXPECT_EQ(view->model()->headerData(firstShown, Qt::Vertical).toString(),
            QStringLiteral(" %1:").arg(firstShown + 1) + QString::number((firstShown + 1) % 10) +
                QString::number((firstShown + 1) / 10 % 10) + QString::number((firstShown + 1) / 100 % 10));
}

TEST_F(ToolWindowTest, GridTextsColoursAndWidthsOnScreen) {
  home.writeLottery("A", "1 9 0 4\r\n2 1 1 2\r\n");
  home.selectLottery("A");
  ToolWindow *w = open("frmframetest");
  GridView *view = w->gridView();
  QAbstractItemModel *m = view->model();
  // Row 0 across the top, column 0 down the side, the corner cell in the corner.
  EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), "H");
  EXPECT_EQ(m->headerData(3, Qt::Horizontal).toString(), "S");
  EXPECT_EQ(m->headerData(0, Qt::Vertical).toString(), " 1:904");
  EXPECT_EQ(m->headerData(2, Qt::Vertical).toString(), "");
  EXPECT_EQ(w->grid().text(0, 0), "No.");
  EXPECT_EQ(cellText(w, 1, 1), "9");
  EXPECT_EQ(cellText(w, 2, 4), "4");
  EXPECT_EQ(m->data(m->index(0, 3), Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(m->data(m->index(0, 3), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
  EXPECT_FALSE(m->data(m->index(1, 3), Qt::BackgroundRole).isValid());
  EXPECT_EQ(paintedColour(w, 1, 4), QColor(255, 0, 0));
  EXPECT_NE(paintedColour(w, 2, 4), QColor(255, 0, 0));
  // The corner shows cell (0, 0), "No.", in dark text on the header face.
  const QImage corner = view->findChild<QAbstractButton *>()->grab().toImage();
  int dark = 0;
  for (int y = 0; y < corner.height(); ++y)
    for (int x = 0; x < corner.width(); ++x)
      dark += corner.pixelColor(x, y).value() < 100;
  EXPECT_GT(dark, 5);
  // Numbers right, texts left: the grid's general alignment.
  EXPECT_TRUE(m->data(m->index(0, 3), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
  EXPECT_TRUE(m->headerData(0, Qt::Vertical, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);

  // Widths in twips / 15: 2 and 30 twips stay nearly hidden; an unset width is the default.
  EXPECT_EQ(view->verticalHeader()->width(), 81);  // 1218
  QHeaderView *across = view->horizontalHeader();
  EXPECT_EQ(across->sectionSize(0), 0);   // 2
  EXPECT_EQ(across->sectionSize(1), 2);   // 30
  EXPECT_EQ(across->sectionSize(2), 64);  // default
  EXPECT_EQ(across->sectionSize(3), 54);  // 806
  EXPECT_EQ(view->verticalHeader()->sectionSize(0), 16);
  EXPECT_EQ(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

TEST_F(ToolWindowTest, ButtonsExitAndHelp) {
  home.writeLottery("A", draws(3));
  home.selectLottery("A");
  QPointer<ToolWindow> w = open("frmframetest");
  EXPECT_FALSE(w->button("Command1")->isVisible());
  EXPECT_EQ(w->button("Command1")->text(), "Command1");
  EXPECT_EQ(w->button("Command2")->text(), "Exit");
  EXPECT_EQ(w->button("Command3")->text(), "Help");
  EXPECT_TRUE(w->button("Command3")->isVisible());
  QTest::mouseClick(w->button("Command3"), Qt::LeftButton);
  EXPECT_EQ(platform.opened, QStringList{helpFolder() + "Frame_test.htm"});
  EXPECT_TRUE(w->isVisible());

  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull());
  EXPECT_EQ(windows.openInstance("frmframetest"), nullptr);
}

TEST_F(ToolWindowTest, AHelpButtonWithoutAPageDoesNothing) {
  for (bool visible : {true, false}) {
    ToolEntry tool{frameTestDesign(), loadFrameTest};
    tool.design.helpPage.clear();
    tool.design.controls[3].visible = visible;
    ToolWindow w(tool, platform);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    EXPECT_EQ(w.button("Command3")->isVisible(), visible);
    w.button("Command3")->click();
    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_TRUE(w.isVisible());
  }
}

TEST_F(ToolWindowTest, ResizeLaysOutTheGridAndButtons) {
  ToolWindow *w = open("frmframetest");
  // The design's client size, laid out once when first shown.
  EXPECT_EQ(w->size(), QSize(775, 448));
  EXPECT_EQ(w->formGeometry().at("MSFlexGrid1"), (TwipsRect{0, 0, 11415, 5520}));

  w->resize(534, 400);  // 8010 x 6000 twips
  EXPECT_EQ(w->formGeometry().at("MSFlexGrid1"), (TwipsRect{0, 0, 7800, 4800}));
  EXPECT_EQ(w->gridView()->geometry(), QRect(0, 0, 520, 320));
  EXPECT_EQ(w->formGeometry().at("Command2"), (TwipsRect{6465, 5025, 1335, 375}));
  EXPECT_EQ(w->formGeometry().at("Command3"), (TwipsRect{6465 - 1200 - 100, 5025, 1200, 375}));
  EXPECT_EQ(w->button("Command2")->geometry(), QRect(431, 335, 89, 25));

  w->resize(534, 70);  // 1050 twips high: the grid's height would be negative
  EXPECT_EQ(w->formGeometry().at("MSFlexGrid1"), (TwipsRect{0, 0, 7800, 4800}));
  EXPECT_EQ(w->button("Command2")->geometry(), QRect(431, 335, 89, 25));
}

TEST_F(ToolWindowTest, PressTogglesTheHighlight) {
  home.writeLottery("A", "1 9 0 4\r\n2 1 1 2\r\n");
  home.selectLottery("A");
  ToolWindow *w = open("frmframetest");
  test::pressCell(w, 2, 4);
  EXPECT_EQ(w->grid().backColor(2, 4), kHighlight);
  EXPECT_EQ(paintedColour(w, 2, 4), QColor(43, 145, 255));
  EXPECT_EQ(w->state().own<Seen>().pressed, "2,4");
  test::pressCell(w, 2, 4);
  EXPECT_EQ(w->grid().backColor(2, 4), 0u);
  test::pressCell(w, 2, 4);
  EXPECT_EQ(w->grid().backColor(2, 4), kHighlight);
  // The tool's own red gives way to the highlight and does not come back.
  test::pressCell(w, 1, 4);
  test::pressCell(w, 1, 4);
  EXPECT_EQ(w->grid().backColor(1, 4), 0u);
  EXPECT_EQ(w->grid().foreColor(1, 4), kBlue);
  EXPECT_EQ(cellText(w, 1, 4), "13");
}

TEST_F(ToolWindowTest, AMissingDrawFileOpensEmptyWithOneMessage) {
  home.selectLottery("Gone");
  ToolWindow *w = open("frmgaopin6ma36");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Box winning number from this 6 digits");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().style, MessageStyle::OkInformation);
  EXPECT_TRUE(platform.lastMessage().text.contains(home.path() + "/data/Gone.txt"));
  EXPECT_FALSE(QFileInfo::exists(home.path() + "/data/Gone.txt"));
  EXPECT_EQ(w->grid().rows(), 6);
  EXPECT_EQ(w->grid().text(2, 0), "Amount");
  EXPECT_EQ(w->grid().text(3, 5), "0");  // Max Miss
}

TEST_F(ToolWindowTest, LeftOutRecordsAreReportedOnce) {
  home.writeLottery("A", "1 9 1 4\r\n2 12 2 3\r\n3 1 4 5\r\n4 1 2 x\r\n");
  home.selectLottery("A");
  ToolWindow *w = open("frmgaopin6ma");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_TRUE(platform.lastMessage().text.contains("2 record(s)"));
  EXPECT_TRUE(platform.lastMessage().text.contains("line 2: 2 12 2 3"));
  EXPECT_EQ(w->grid().rows(), 2 + 6);
  EXPECT_EQ(cellText(w, 2, 5), "*****");
  EXPECT_EQ(w->gridView()->model()->headerData(1, Qt::Vertical).toString(), " 3:145");
}

TEST_F(ToolWindowTest, AWindowWithExtrasOfItsOwn) {
  home.writeLottery("A", draws(9));
  home.selectLottery("A");
  ToolWindow *w = open("frmextrastest");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(duringLoad.caption, "Extras");  // no "Loading......"
  EXPECT_FALSE(duringLoad.busy);
  EXPECT_EQ(w->windowTitle(), "Extras");
  EXPECT_EQ(w->button("Command1")->text(), "Exit");
  EXPECT_EQ(w->button("Command2")->text(), "Show list ");
  EXPECT_EQ(w->button("Command3")->text(), "Help");
  QPlainTextEdit *list = w->textBox("Text1");
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isVisible());

  // Its own layout: from the right "Exit", the own button, "Help"; the list at the top left.
  w->resize(534, 400);  // 8010 x 6000 twips
  EXPECT_EQ(w->formGeometry().at("Command1"), (TwipsRect{6225, 5025, 1575, 375}));
  EXPECT_EQ(w->formGeometry().at("Command2"), (TwipsRect{4190, 5025, 1935, 375}));
  EXPECT_EQ(w->formGeometry().at("Command3"), (TwipsRect{2755, 5025, 1335, 375}));
  EXPECT_EQ(list->geometry(), QRect(0, 0, 537, 345));

  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->toPlainText(), "9 draws\n");
  EXPECT_EQ(w->button("Command2")->text(), "Hide list");
  EXPECT_EQ(platform.clipboard, "copied");
  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(w->button("Command2")->text(), "Show list");
  list->setPlainText("typed by the user");
  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  EXPECT_EQ(w->state().own<Seen>().typed, "typed by the user");
  EXPECT_EQ(list->toPlainText(), "9 draws\n");

  QTest::mouseClick(w->button("Command3"), Qt::LeftButton);
  EXPECT_EQ(platform.opened, QStringList{helpFolder() + "Extras.htm"});
  QPointer<ToolWindow> guard = w;
  QTest::mouseClick(w->button("Command1"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(guard.isNull());
}

// The fixed row, column and corner are never the current cell: a press, a
// click or a double-click there changes no colour, runs no handler, moves
// nothing and selects nothing.
TEST_F(ToolWindowTest, TheFixedRowColumnAndCornerTakeNoMouseEvents) {
  home.writeLottery("A", "1 9 0 4\r\n2 1 1 2\r\n");
  home.selectLottery("A");
  ToolWindow *w = open("frmframetest");
  GridView *view = w->gridView();
  QHeaderView *down = view->verticalHeader(), *across = view->horizontalHeader();
  QAbstractButton *corner = view->findChild<QAbstractButton *>();
  ASSERT_NE(corner, nullptr);
  const QPoint firstLabel(down->width() / 2, down->sectionViewportPosition(0) + down->sectionSize(0) / 2);
  const QPoint sumHeader(across->sectionViewportPosition(3) + across->sectionSize(3) / 2, across->height() / 2);
  const int row = w->grid().currentRow(), col = w->grid().currentCol();
  const QImage headerBefore = across->viewport()->grab().toImage();
  platform.clipboard = "held";
  for (const auto &[widget, at] : {std::pair<QWidget *, QPoint>{down->viewport(), firstLabel},
                                   {across->viewport(), sumHeader}, {corner, corner->rect().center()}}) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  }
  EXPECT_EQ(platform.clipboard, "held");
  EXPECT_EQ(w->state().own<Seen>().pressed, "");
  EXPECT_EQ(w->grid().backColor(0, 4), 0u);
  EXPECT_EQ(w->grid().backColor(1, 0), 0u);
  EXPECT_EQ(w->grid().currentRow(), row);
  EXPECT_EQ(w->grid().currentCol(), col);
  EXPECT_TRUE(view->selectionModel()->selectedIndexes().isEmpty());
  EXPECT_TRUE(across->viewport()->grab().toImage() == headerBefore) << "the header row changed its look";
}

TEST_F(ToolWindowTest, AFrameBoxWithAnInputBoxLabelsAndAnEnquiry) {
  home.writeLottery("A", draws(5));
  home.selectLottery("A");
  ToolWindow *w = open("frmenquirytest");
  ASSERT_NE(w, nullptr);
  QGroupBox *frame = w->frame("Frame1");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->title(), "Please enter the numbers.");
  QPlainTextEdit *input = w->textBox("Text1");
  EXPECT_EQ(input->parentWidget(), frame);
  EXPECT_EQ(w->button("Command2")->parentWidget(), frame);

  w->resize(534, 400);  // 8010 x 6000 twips
  EXPECT_EQ(w->formGeometry().at("MSFlexGrid1"), (TwipsRect{0, 0, 7800, 2700}));
  EXPECT_EQ(w->formGeometry().at("Frame1"), (TwipsRect{10, 2710, 7790, 2655}));
  EXPECT_EQ(frame->geometry(), QRect(1, 181, 519, 177));
  EXPECT_EQ(input->geometry(), QRect(16, 16, 817, 121));  // inside the frame, where the design put it
  EXPECT_EQ(w->formGeometry().at("Label1"), (TwipsRect{20, 2820, 4000, 180}));
  EXPECT_EQ(w->formGeometry().at("Label2"), (TwipsRect{20, 3040, 4000, 240}));

  // An empty input: the message, and nothing else changes.
  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Information");
  EXPECT_EQ(platform.lastMessage().text, "You did not enter the Straight Number!");
  EXPECT_EQ(platform.lastMessage().style, MessageStyle::OkInformation);
  EXPECT_FALSE(platform.lastMessage().busyPointer);
  EXPECT_EQ(w->gridView()->model()->columnCount(), 3);

  input->setFocus();
  QTest::keyClicks(input, "4711");
  QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(w->state().own<Seen>().busyCursor);
  EXPECT_EQ(w->state().own<Seen>().caption, "Please wait......");
  EXPECT_EQ(w->windowTitle(), "Enquire test");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  QAbstractItemModel *m = w->gridView()->model();
  ASSERT_EQ(m->columnCount(), 7);
  EXPECT_EQ(m->headerData(6, Qt::Horizontal).toString(), "1");
  EXPECT_EQ(w->label("Label2")->text(), "4 numbers");
  EXPECT_EQ(w->label("Label2")->textFormat(), Qt::PlainText);  // what a handler writes shows as written
  EXPECT_EQ(input->toPlainText(), "4711");  // the window never writes into the input
  // The grid's current cell, moved by the handler, is the view's: keys go on from it.
  EXPECT_EQ(w->gridView()->currentIndex(), m->index(0, 1));
  QTest::keyClick(w->gridView(), Qt::Key_Down);
  EXPECT_EQ(w->grid().currentRow(), 2);
  EXPECT_EQ(w->grid().currentCol(), 2);
}

TEST_F(ToolWindowTest, ScrollBarsShowWhereTheViewStands) {
  home.writeLottery("A", draws(2000));
  home.selectLottery("A");
  ToolWindow *w = open("frmzuxuan1");
  ASSERT_NE(w, nullptr);
  w->resize(400, 300);  // narrower than the columns: both bars show
  GridView *view = w->gridView();
  for (QScrollBar *bar : {view->verticalScrollBar(), view->horizontalScrollBar()}) {
    SCOPED_TRACE(bar->orientation() == Qt::Vertical ? "vertical" : "horizontal");
    ASSERT_TRUE(bar->isVisible());
    const auto [shown, styled] = shownAndStyledScrollBar(w, bar);
    EXPECT_TRUE(shown == styled) << "something paints over the scroll bar";
  }

  // Dragging the vertical handle from the end to the top shows the first draws.
  QScrollBar *bar = view->verticalScrollBar();
  bar->setValue(bar->maximum());
  const QStyleOptionSlider option = scrollBarOption(bar);
  const QPoint from =
      bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
  const QPoint to(from.x(), 0);
  QTest::mousePress(bar, Qt::LeftButton, {}, from);
  QTest::mouseMove(bar, to);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(view->rowAt(0), 0);
}

TEST_F(ToolWindowTest, FixedRowAndColumnTakeTheGridsFontInEveryTool) {
  home.writeLottery("A", draws(30));
  home.selectLottery("A");
  for (const ToolEntry &tool : toolRegistry().entries()) {
    SCOPED_TRACE(tool.design.windowName.toStdString());
    auto *w = qobject_cast<ToolWindow *>(ToolWindows::instance().open(tool.design.windowName, platform));
    ASSERT_NE(w, nullptr);
    GridView *view = w->gridView();
    QWidget *corner = view->findChild<QAbstractButton *>();
    ASSERT_NE(corner, nullptr);
    for (QWidget *fixed : {static_cast<QWidget *>(view->horizontalHeader()),
                           static_cast<QWidget *>(view->verticalHeader()), corner}) {
      EXPECT_EQ(fixed->font().family(), "Arial");
      EXPECT_EQ(fixed->font().pointSizeF(), tool.design.fontPoints);
      EXPECT_EQ(fixed->font(), view->font());
    }
    w->close();
  }
}

namespace {

QByteArray sameDraw(int count, const char *digits) {
  QByteArray file;
  for (int i = 1; i <= count; ++i)
    file += QByteArray::number(i) + ' ' + digits + "\r\n";
  return file;
}

// The first and last x of the area's pixels that are darker than mid-grey:
// the ink of its text; {-1, -1} without ink.
std::pair<int, int> inkSpan(const QImage &image, const QRect &area) {
  int first = -1, last = -1;
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (qGray(image.pixel(x, y)) < 128) {
        if (first < 0)
          first = x;
        last = x;
        break;
      }
  return {first, last};
}

int inkWidth(std::pair<int, int> span) { return span.first < 0 ? 0 : span.second - span.first + 1; }

// The widths of the ink of a text drawn whole, nothing around it, in this
// font on this background, at each of the sub-pixel places a painter may
// give it.
std::set<int> wholeInkWidths(const QString &text, const QFont &font, const QColor &background) {
  std::set<int> widths;
  for (int eighth = 0; eighth < 8; ++eighth) {
    QImage image(400, 40, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(20 + eighth / 8.0, 25), text);
    painter.end();
    widths.insert(inkWidth(inkSpan(image, image.rect())));
  }
  return widths;
}

}  // namespace

TEST_F(ToolWindowTest, WhatFitsItsColumnPaintsWhole) {
  struct Case {
    const char *window;
    QByteArray draws;
    int row, col;
    const char *text;
    int twips;
  };
  const Case cases[] = {
      {"frmzusan90", sameDraw(1200, "1 2 3"), 1200, 6, "1200", 420},  // a ticket's miss count
      {"frmliangmahecha", sameDraw(1, "9 9 1"), 1, 1, "18", 258},     // the sum of H and T
      {"frmliangmahecha", sameDraw(1, "9 9 1"), 1, 20, "18", 258},    // the same in its value column, coloured
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.window + std::string(" ") + tc.text);
    home.writeLottery("A", tc.draws);
    home.selectLottery("A");
    QPointer<ToolWindow> w = open(tc.window);
    ASSERT_FALSE(w.isNull());
    GridView *view = w->gridView();
    const QModelIndex index = view->model()->index(tc.row - 1, tc.col - 1);
    ASSERT_EQ(index.data().toString(), tc.text);
    ASSERT_EQ(view->columnWidth(tc.col - 1), twipsToPixels(tc.twips));
    view->scrollTo(index);
    view->clearFocus();  // no focus frame on the current cell
    const QRect cell = view->visualRect(index);
    const QImage painted = view->viewport()->grab().toImage();
    const QColor background = painted.pixelColor(cell.topLeft());
    const int width = inkWidth(inkSpan(painted, cell));
    EXPECT_TRUE(wholeInkWidths(tc.text, view->font(), background).count(width)) << "ink " << width << " px wide";
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(ToolWindowTest, TheGridsOwnColoursAroundAndBetweenTheCells) {
  home.writeLottery("A", draws(300));
  home.selectLottery("A");
  ToolWindow *w = open("frmxingtai1");  // "Four Models": its columns end before the grid's right edge
  ASSERT_NE(w, nullptr);
  GridView *view = w->gridView();
  const int lastCol = view->model()->columnCount() - 1;
  const int end = view->columnViewportPosition(lastCol) + view->columnWidth(lastCol);
  ASSERT_LT(end + 10, view->viewport()->width());
  const QRect cell = view->visualRect(view->model()->index(view->rowAt(0) + 2, 0));
  const QImage image = w->grab().toImage();
  const auto at = [&](int x, int y) { return image.pixelColor(view->viewport()->mapTo(w, QPoint(x, y))).name(); };
  EXPECT_EQ(at(end + 5, cell.center().y()), "#808080");  // beyond the last column
  EXPECT_EQ(at(cell.right(), cell.center().y()), "#c0c0c0");  // the line between two cells
  EXPECT_EQ(at(cell.center().x(), cell.bottom()), "#c0c0c0");  // the line under a row
}

TEST_F(ToolWindowTest, KeysMoveOnFromTheGridsCurrentCell) {
  home.writeLottery("A", draws(200));
  home.selectLottery("A");
  for (const ToolMenu &menu : toolMenus())
    for (const ToolMenuItem &item : menu.items) {
      if (item.isSeparator())
        continue;
      SCOPED_TRACE(item.windowName().toStdString());
      auto *w = qobject_cast<ToolWindow *>(ToolWindows::instance().open(item.windowName(), platform));
      ASSERT_NE(w, nullptr);
      ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
      GridView *view = w->gridView();
      QScrollBar *bar = view->verticalScrollBar();
      ASSERT_GT(bar->maximum(), 0);
      EXPECT_EQ(bar->value(), bar->maximum());
      EXPECT_TRUE(topRowIsWhole(view));
      const int row = w->grid().currentRow(), col = w->grid().currentCol();
      const QRect before = view->visualRect(view->currentIndex());
      const bool inView = view->currentIndex().isValid() && before.top() >= 0 &&
                          before.bottom() < view->viewport()->height();
      if (row == w->state().drawCount + 1) {
        EXPECT_TRUE(inView);  // the blank row under the newest draw
      }

      QTest::keyClick(view, Qt::Key_Down);
      const QModelIndex current = view->currentIndex();
      ASSERT_TRUE(current.isValid());
      // The key moved the grid's current cell with the view's.
      EXPECT_EQ(w->grid().currentRow(), current.row() + 1);
      EXPECT_EQ(w->grid().currentCol(), current.column() + 1);
      if (row >= 1 && col >= 1) {
        EXPECT_EQ(current.row() + 1, std::min(row + 1, w->grid().rows() - 1));
        EXPECT_EQ(current.column() + 1, col);
      }
      // Where the load left it in view, the view stays at the newest draws.
      if (inView || row < 1 || col < 1) {
        EXPECT_EQ(bar->value(), bar->maximum());
      }
      const QRect after = view->visualRect(current);
      EXPECT_TRUE(after.top() >= 0 && after.bottom() < view->viewport()->height());
      w->close();
    }
}

TEST_F(ToolWindowTest, AnEnquiryShowsItsFooter) {
  home.writeLottery("A", draws(300));
  home.selectLottery("A");
  for (const char *window : {"frmzhixuanhaocx", "frmzuxuanhaocx"}) {
    SCOPED_TRACE(window);
    ToolWindow *w = open(window);
    ASSERT_NE(w, nullptr);
    GridView *view = w->gridView();
    w->textBox("Text1")->setPlainText("123 456 789");
    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    ASSERT_EQ(view->model()->headerData(view->model()->rowCount() - 1, Qt::Vertical).toString(), "Average");
    EXPECT_TRUE(showsLastRowWhole(view));
    EXPECT_TRUE(topRowIsWhole(view));
    // A second enquiry of as many numbers, after the user has scrolled to the first draws.
    view->verticalScrollBar()->setValue(0);
    w->textBox("Text1")->setPlainText("111 222 333");
    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    EXPECT_TRUE(showsLastRowWhole(view));
    EXPECT_TRUE(topRowIsWhole(view));
    w->close();
  }
}

// The sections a header paints, each paint event's apart: the style draws
// one header face a section.
class HeaderSectionCount final : public QProxyStyle {
 public:
  explicit HeaderSectionCount(QHeaderView *header) {
    header->setStyle(this);
    header->viewport()->installEventFilter(this);
  }
  void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                   const QWidget *widget) const override {
    if (element == CE_Header && !perPaint_.empty())
      ++perPaint_.back();
    QProxyStyle::drawControl(element, option, painter, widget);
  }
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint)
      perPaint_.push_back(0);
    return false;
  }
  // The most sections one paint painted since the last call.
  int mostInOnePaint() {
    const int most = perPaint_.empty() ? 0 : *std::max_element(perPaint_.begin(), perPaint_.end());
    perPaint_.clear();
    return most;
  }

 private:
  mutable std::vector<int> perPaint_;
};

// Lets the window paint what its last event changed, as the event loop does.
void paintPending() {
  for (int i = 0; i < 5; ++i)
    QTest::qWait(5);
}

// The rows of the fixed column in view.
int headerSectionsInView(QHeaderView *header) {
  const int first = header->visualIndexAt(0);
  const int last = header->visualIndexAt(header->viewport()->height() - 1);
  return (last < 0 ? header->count() - 1 : last) - first + 1;
}

TEST_F(ToolWindowTest, AnEnquiryRepaintsOnlyTheFixedColumnsRowsInView) {
  home.writeLottery("A", draws(3000));
  home.selectLottery("A");
  ToolWindow *w = open("frmzhixuanhaocx");
  ASSERT_NE(w, nullptr);
  QHeaderView *down = w->gridView()->verticalHeader();
  HeaderSectionCount sections(down);
  paintPending();
  // The first enquiry adds the footer's rows and the entries' columns, the
  // second only columns; each repaints the newest draws and the footer.
  for (const char *numbers : {"123 456 789", "111 222 333 444 555 666"}) {
    SCOPED_TRACE(numbers);
    sections.mostInOnePaint();
    w->textBox("Text1")->setPlainText(numbers);
    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    paintPending();
    ASSERT_EQ(down->model()->headerData(down->count() - 1, Qt::Vertical).toString(), "Average");
    const int inView = headerSectionsInView(down);
    EXPECT_GT(inView, 5);
    const int painted = sections.mostInOnePaint();
    EXPECT_GT(painted, 0);
    EXPECT_LE(painted, inView);
  }
  down->setStyle(nullptr);
}

TEST_F(ToolWindowTest, ACellPressSetsNoRowHeightWhenNoneChanged) {
  home.writeLottery("A", draws(300));
  home.selectLottery("A");
  ToolWindow *w = open("frmzuxuan012lu");  // "Box Number Shape", whose rows have heights of their own
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->grid().hasRowHeights());
  QHeaderView *down = w->gridView()->verticalHeader();
  // A row's height on screen that is not the grid's: a press that set the
  // heights again would put it back.
  const int probe = w->gridView()->rowAt(0) + 1;
  const int height = down->sectionSize(probe);
  down->resizeSection(probe, height + 7);
  const QModelIndex cell = w->gridView()->indexAt(w->gridView()->viewport()->rect().center());
  ASSERT_TRUE(cell.isValid());
  test::pressCell(w, cell.row() + 1, cell.column() + 1);
  EXPECT_TRUE(cell.data(Qt::BackgroundRole).isValid()) << "the press highlights the cell";
  test::doubleClickCell(w, cell.row() + 1, cell.column() + 1);
  EXPECT_EQ(down->sectionSize(probe), height + 7);
  // A new load sets the grid's heights again.
  w->load();
  EXPECT_EQ(down->sectionSize(probe), height);
}
