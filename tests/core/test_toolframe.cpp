// The tool window frame as plain data: the layout steps, the design check,
// the highlight, and the handler contract run headless through a session.
#include "charts/drawrows.h"
#include "charts/framework/toolframe.h"
#include "charts/framework/toolsession.h"
#include "charts/standardwindow.h"
#include "support/core/qtprint.h"

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

// Beside TwipsRect, where GoogleTest looks for it.
namespace corvessa {
static void PrintTo(const TwipsRect &r, std::ostream *os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}
}  // namespace corvessa

namespace {

ControlDesign label(const char *name, TwipsRect place) {
  return ControlDesign{.kind = ControlKind::Label, .name = name, .caption = name, .place = place};
}

// A window with every kind of control: a grid, "Exit" and "Help", two labels
// under the grid, and a frame box holding a text box and two buttons.
ToolDesign everyKind() {
  ToolDesign d;
  d.windowName = "frmeverykind";
  d.cols = 4;
  d.controls = {
      gridControl(),
      exitButton(),
      helpButton({8760, 6000, 1200, 375}),
      label("Label1", {15, 6210, 4000, 180}),
      label("Label2", {15, 6500, 4000, 240}),
      ControlDesign{.kind = ControlKind::Frame, .name = "Frame1", .caption = "Numbers", .place = {120, 4920, 12615, 2655}},
      ControlDesign{.kind = ControlKind::TextBox, .name = "Text1", .place = {240, 240, 12255, 1815}, .parent = "Frame1",
                    .role = ControlRole::Input},
      ControlDesign{.name = "Command4", .caption = "Enquire", .place = {240, 2160, 1215, 375}, .parent = "Frame1",
                    .role = ControlRole::Enquiry},
  };
  return d;
}

TwipsRect after(const ToolDesign &d, const QString &control, int width, int height) {
  FormGeometry g = designGeometry(d);
  formResizeLayout(d, g, width, height);
  return g[control];
}

}  // namespace

TEST(LayoutSteps, EachStepAt8000By6000) {
  ToolDesign d = everyKind();
  struct Case {
    const char *step;
    LayoutStep layout;
    const char *control;
    TwipsRect place;
  };
  const Case cases[] = {
      {"grid", layout::Grid{}, "MSFlexGrid1", {0, 0, 7790, 4800}},
      {"grid of an enquiry", layout::Grid{3300, 210}, "MSFlexGrid1", {0, 0, 7790, 2700}},
      {"Exit under the grid's right edge", layout::ButtonsUnderGrid{{"Command2"}}, "Command2",
       {7790 - 1335, 5025, 1335, 375}},
      {"Help 100 twips left of Exit", layout::ButtonsUnderGrid{{"Command2", "Command3"}}, "Command3",
       {7790 - 1335 - 100 - 1200, 5025, 1200, 375}},
      {"a label at left 20 under the grid", layout::LabelUnderGrid{"Label1", 120}, "Label1", {20, 4920, 4000, 180}},
      {"a label under another label", layout::LabelUnderLabel{"Label2", "Label1"}, "Label2", {20, 6210 + 180 + 40, 4000, 240}},
      {"the frame box under the grid", layout::FrameUnderGrid{"Frame1"}, "Frame1", {10, 4810, 7780, 2655}},
      {"a place of its own", layout::PlaceAt{"Label1", 0, 0}, "Label1", {0, 0, 4000, 180}},
  };
  for (const Case &c : cases) {
    d.layout = {layout::Grid{}, c.layout};
    if (std::holds_alternative<layout::Grid>(c.layout))
      d.layout = {c.layout};
    EXPECT_EQ(after(d, c.control, 8000, 6000), c.place) << c.step;
  }
  // Controls inside the frame keep their places relative to it.
  d.layout = {layout::Grid{3300, 210}, layout::FrameUnderGrid{"Frame1"}};
  EXPECT_EQ(after(d, "Text1", 8000, 6000), (TwipsRect{240, 240, 12255, 1815}));
  EXPECT_EQ(after(d, "Frame1", 8000, 6000), (TwipsRect{10, 2710, 7780, 2655}));
}

TEST(LayoutSteps, TooSmallStopsAtTheFailingStep) {
  ToolDesign d = everyKind();
  d.layout = {layout::Grid{}, layout::ButtonsUnderGrid{{"Command2", "Command3"}},
              layout::LabelUnderGrid{"Label1", 120}};
  const FormGeometry design = designGeometry(d);
  struct Case {
    const char *name;
    int width, height;
    TwipsRect grid;
    bool restMoved;
  };
  const Case cases[] = {
      {"height below 1200", 8000, 1100, {0, 0, 11595, 5895}, false},
      {"width below 210", 200, 6000, {0, 0, 11595, 4800}, false},
      {"just large enough", 210, 1200, {0, 0, 0, 0}, true},
  };
  for (const Case &c : cases) {
    FormGeometry g = design;
    g["MSFlexGrid1"].left = 50;  // the first steps still run
    formResizeLayout(d, g, c.width, c.height);
    EXPECT_EQ(g["MSFlexGrid1"], c.grid) << c.name;
    for (const char *name : {"Command2", "Command3", "Label1"})
      EXPECT_EQ(g[name] != design.at(name), c.restMoved) << c.name << " " << name;
  }
}

TEST(ToolDesignCheck, FaultsFailLoudly) {
  struct Case {
    const char *fault;
    std::function<void(ToolDesign &)> spoil;
  };
  const Case cases[] = {
      {"given twice", [](ToolDesign &d) { d.controls.push_back(exitButton()); }},
      {"no grid", [](ToolDesign &d) { d.controls.erase(d.controls.begin()); }},
      {"no frame before it", [](ToolDesign &d) { d.controls[6].parent = "Label1"; }},
      {"the layout names Command9", [](ToolDesign &d) { d.layout = standardLayout({"Command9"}); }},
      {"one enquiry button", [](ToolDesign &d) { d.controls[7].role = ControlRole::None; }},
      {"no text box", [](ToolDesign &d) { d.controls[3].role = ControlRole::Input; }},
      {"run 3..4 is empty or outside", [](ToolDesign &d) { d.colWidths = {{0, 0, 1290}, {3, 4, 300}}; }},
      {"run -1..0 is empty or outside", [](ToolDesign &d) { d.colWidths = {{-1, 0, 300}}; }},
      {"run 2..1 is empty or outside", [](ToolDesign &d) { d.colWidths = {{2, 1, 300}}; }},
  };
  EXPECT_NO_THROW(checkToolDesign(everyKind()));
  for (const Case &c : cases) {
    ToolDesign d = everyKind();
    c.spoil(d);
    try {
      checkToolDesign(d);
      ADD_FAILURE() << c.fault;
    } catch (const std::logic_error &e) {
      EXPECT_NE(std::string(e.what()).find(c.fault), std::string::npos) << e.what();
    }
  }
}

TEST(GridCellToggleHighlight, SwitchesTheCurrentCellOnAndOff) {
  const Rgb h = rgb(43, 145, 255);
  ResultGrid grid(3, 3);
  grid.setBackColor(2, 2, rgb(255, 0, 0));  // coloured by the tool
  grid.setForeColor(1, 1, rgb(0, 0, 255));
  grid.setText(1, 1, "7");

  grid.setCurrentCell(1, 1);
  const Rgb after[] = {h, 0, h};
  for (Rgb expected : after) {
    gridCellToggleHighlight(grid, h);
    EXPECT_EQ(grid.backColor(1, 1), expected);
  }
  EXPECT_EQ(grid.text(1, 1), "7");
  EXPECT_EQ(grid.foreColor(1, 1), rgb(0, 0, 255));

  grid.setCurrentCell(2, 2);
  gridCellToggleHighlight(grid, h);
  EXPECT_EQ(grid.backColor(2, 2), h);
  gridCellToggleHighlight(grid, h);
  EXPECT_EQ(grid.backColor(2, 2), 0u);  // its own red does not come back
  EXPECT_EQ(grid.backColor(1, 1), h);
}

// ---------------------------------------------------------------------------
// The handler contract, on a small enquiry window: its load numbers the
// draws; "Enquire" refuses an empty text with a message, and otherwise works
// under the busy caption and puts the text on the clipboard; a double-click
// copies the clicked cell's text, an empty one included, and does nothing on
// the fixed row and column.

namespace {

// What the example tool's handlers saw, kept in the window's state.
struct Seen {
  QString captionDuringLoad, busyWhileWorking;
};

void enquire(ToolWindowState &s) {
  const QString text = s.control("Text1").text;
  if (text.isEmpty()) {
    s.message("You did not enter a number!");
    return;
  }
  s.beginBusy();
  s.own<Seen>().busyWhileWorking = s.caption;
  s.grid.setText(0, 2, text);  // over the tens
  s.setClipboardText(text);
  s.endBusy("Enquiry");
}

ToolEntry enquiryTool() {
  ToolEntry tool{everyKind(), [](ToolWindowState &s, const DrawHistory &history) {
                   resetGridRows(s.grid, s.drawCount, 2);
                   fillDrawRows(s.grid, history);
                   s.grid.setNumber(0, 1, s.gameType);
                   s.own<Seen>().captionDuringLoad = s.caption;
                 }};
  tool.design.title = "Enquiry";
  tool.design.controls[7].action = enquire;
  tool.design.onCellDoubleClick = [](ToolWindowState &s, int row, int col) {
    s.setClipboardText(s.grid.text(row, col));
  };
  return tool;
}

}  // namespace

TEST(ToolSession, LoadSeesTheGameTypeUnderTheLoadingCaption) {
  RecordingHost host;
  ToolSession window(enquiryTool(), &host);
  window.load(parseDrawHistory("1 1 2 3\r\n2 4 5 6\r\n"), 1);
  EXPECT_EQ(window.state().own<Seen>().captionDuringLoad, "Loading......");
  EXPECT_EQ(window.state().caption, "Enquiry");
  EXPECT_EQ(window.state().grid.text(0, 1), "1");
  EXPECT_EQ(window.state().drawCount, 2);
  const std::vector<std::pair<bool, QString>> busy{{true, "Loading......"}, {false, "Enquiry"}};
  EXPECT_EQ(host.busyCaptions, busy);
}

TEST(ToolSession, MessagesBusyCaptionAndClipboard) {
  RecordingHost host;
  ToolSession window(enquiryTool(), &host);
  window.load(parseDrawHistory("1 1 2 3\r\n"));
  host.busyCaptions.clear();

  EXPECT_TRUE(window.enquire(""));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "You did not enter a number!");
  EXPECT_EQ(host.messages[0].title, "Information");
  EXPECT_EQ(host.messages[0].style, MessageStyle::OkInformation);
  EXPECT_FALSE(host.messages[0].busy);
  EXPECT_TRUE(host.busyCaptions.empty());
  EXPECT_FALSE(host.clipboard.has_value());

  EXPECT_TRUE(window.enquire("123"));
  EXPECT_EQ(window.state().own<Seen>().busyWhileWorking, "Please wait......");
  const std::vector<std::pair<bool, QString>> busy{{true, "Please wait......"}, {false, "Enquiry"}};
  EXPECT_EQ(host.busyCaptions, busy);
  EXPECT_EQ(window.state().grid.text(0, 2), "123");
  EXPECT_EQ(host.clipboard, "123");
  EXPECT_EQ(window.state().control("Text1").text, "123");

  // A double-click on a cell puts its text on the clipboard, the empty text
  // of the blank spare row too, and makes it current; on the fixed row or
  // column it does nothing.
  window.doubleClick(2, 1);
  EXPECT_EQ(host.clipboard, "");
  EXPECT_EQ(window.state().grid.currentRow(), 2);
  EXPECT_EQ(window.state().grid.currentCol(), 1);
  window.doubleClick(1, 3);
  EXPECT_EQ(host.clipboard, "3");
  host.clipboard = "held";
  for (const auto &[row, col] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 2}})
    window.doubleClick(row, col);
  EXPECT_EQ(host.clipboard, "held");
  EXPECT_EQ(window.state().grid.currentRow(), 1);
  EXPECT_EQ(window.state().grid.currentCol(), 3);
}

TEST(ToolSession, RolesAndUnknownNames) {
  RecordingHost host;
  ToolEntry tool = enquiryTool();
  ToolSession window(tool, &host);
  window.click("Command3");  // "Help" of a window without a page does nothing
  EXPECT_TRUE(host.openedPages.isEmpty());
  tool.design.helpPage = "\\help\\Enquiry.htm";
  ToolSession withPage(tool, &host);
  withPage.click("Command3");
  EXPECT_EQ(host.openedPages, QStringList{"\\help\\Enquiry.htm"});
  EXPECT_FALSE(host.closed);
  withPage.click("Command2");
  EXPECT_TRUE(host.closed);

  EXPECT_THROW(window.click("Command9"), std::logic_error);
  EXPECT_THROW(window.state().control("Label9"), std::logic_error);
  ToolSession noInput(ToolEntry{[] {
                                  ToolDesign d;
                                  d.windowName = "frmplain";
                                  d.cols = 2;
                                  d.controls = {gridControl(), exitButton()};
                                  return d;
                                }(),
                                {}});
  EXPECT_FALSE(noInput.enquire("123"));
}

// The design's column widths, run after run, are the grid's before the load
// as after it; a column no run names keeps the grid's default.
TEST(DesignGrid, ColumnWidthsAreDesignDataBeforeAndAfterTheLoad) {
  ToolDesign d = everyKind();
  d.cols = 5;
  d.colWidths = {{0, 0, 1290}, {1, 3, 300}, {2, 2, 20}};
  const std::vector<int> widths{1290, 300, 20, 300, ResultGrid::kDefaultWidth};
  const auto widthsOf = [](const ResultGrid &grid) {
    std::vector<int> out;
    for (int c = 0; c < grid.cols(); ++c)
      out.push_back(grid.colWidth(c));
    return out;
  };
  ToolSession window(ToolEntry{d, [](ToolWindowState &s, const DrawHistory &history) {
                                 resetGridRows(s.grid, s.drawCount, 4);
                                 fillDrawRows(s.grid, history);
                               }});
  EXPECT_EQ(widthsOf(window.state().grid), widths);
  window.load(parseDrawHistory("1 1 2 3\r\n2 4 5 6\r\n"));
  EXPECT_EQ(widthsOf(window.state().grid), widths);
}

TEST(ToolIdentity, TitleIsTheCaptionOrTheCaptionWithoutQuotes) {
  const ToolIdentity titled = titledWindow("frmone", "One \"two\"", "\\help\\One.htm");
  EXPECT_EQ(titled.windowName, "frmone");
  EXPECT_EQ(titled.caption, "One \"two\"");
  EXPECT_EQ(titled.title, "One \"two\"");
  EXPECT_EQ(titled.helpPage, "\\help\\One.htm");
  const ToolIdentity unquoted = titledWithoutQuotes("frmtwo", "Box from this \"6 digits\"");
  EXPECT_EQ(unquoted.caption, "Box from this \"6 digits\"");
  EXPECT_EQ(unquoted.title, "Box from this 6 digits");
  EXPECT_TRUE(unquoted.helpPage.isEmpty());
}

TEST(StandardWindow, ControlsAndResizeFollowTheResetAndHelp) {
  constexpr Rgb kHighlightBlue = rgb(43, 145, 255);
  struct Case {
    SpareRowReset reset;
    HelpButton help;
    QStringList controls;          // in design order
    bool helpShown;
    QStringList buttonsFromRight;  // of the resize rule
    QString exitName = "Command2";
    bool helpBeforeExit = false;
  };
  const Case cases[] = {
      {SpareRowReset::Cells0To6,
       HelpButton::Shown,
       {"MSFlexGrid1", "Command1", "Command2", "Command3"},
       true,
       {"Command2", "Command3"}},
      {SpareRowReset::None, HelpButton::Shown, {"MSFlexGrid1", "Command2", "Command3"}, true, {"Command2", "Command3"}},
      {SpareRowReset::LongGrid,
       HelpButton::Hidden,
       {"MSFlexGrid1", "Command1", "Command2", "Command3"},
       false,
       {"Command2", "Command3"}},
      {SpareRowReset::Cells0To5, HelpButton::None, {"MSFlexGrid1", "Command1", "Command2"}, false, {"Command2"}},
      {SpareRowReset::None,
       HelpButton::Shown,
       {"MSFlexGrid1", "Command3", "Command2"},
       true,
       {"Command2", "Command3"},
       "Command2",
       true},
      {SpareRowReset::None, HelpButton::None, {"MSFlexGrid1", "Command1"}, false, {"Command1"}, "Command1"},
  };
  for (const Case &c : cases) {
    const ToolDesign d = standardWindow({.id = titledWindow("frmstandard", "Standard", "\\help\\Standard.htm"),
                                         .cols = 8,
                                         .widths = {{0, 0, 1290}},
                                         .reset = c.reset,
                                         .help = c.help,
                                         .fontPoints = 6.75,
                                         .exitName = c.exitName,
                                         .helpBeforeExit = c.helpBeforeExit,
                                         .highlight = kHighlightBlue,
                                         .showsLoadingCaption = false});
    SCOPED_TRACE(c.controls.join(' ').toStdString());
    EXPECT_NO_THROW(checkToolDesign(d));
    QStringList names;
    for (const ControlDesign &control : d.controls)
      names << control.name;
    EXPECT_EQ(names, c.controls);
    EXPECT_EQ(d.control(c.exitName)->role, ControlRole::Exit);
    EXPECT_EQ(d.control(c.exitName)->place, (TwipsRect{10200, 6000, 1335, 375}));
    if (const ControlDesign *help = d.control("Command3")) {
      EXPECT_EQ(help->role, ControlRole::Help);
      EXPECT_EQ(help->visible, c.helpShown);
    }
    if (c.reset != SpareRowReset::None) {
      EXPECT_FALSE(d.control("Command1")->visible);
    }
    ASSERT_EQ(d.layout.size(), 2u);
    const auto &buttons = std::get<layout::ButtonsUnderGrid>(d.layout[1]).fromTheRight;
    EXPECT_EQ(QStringList(buttons.begin(), buttons.end()), c.buttonsFromRight);
    EXPECT_EQ(d.title, "Standard");
    EXPECT_EQ(d.helpPage, "\\help\\Standard.htm");
    EXPECT_EQ(d.cols, 8);
    EXPECT_EQ(d.fontPoints, 6.75);
    EXPECT_EQ(d.highlight, kHighlightBlue);
    EXPECT_FALSE(d.showsLoadingCaption);
    EXPECT_EQ(designGrid(d).colWidth(0), 1290);
  }
}

// A click on the hidden Command1 gives the grid its rows again and empties
// the first cells of the spare row, as the design says; a load's first step
// (startDrawRows) makes the rows the same way, and has no way to make them
// otherwise.
TEST(StandardWindow, Command1AndTheLoadsFirstStepResetTheSpareRowAsDescribed) {
  struct Case {
    SpareRowReset reset;
    int rowsAfterDraws;
    int lastEmptied;
  };
  const Case cases[] = {
      {SpareRowReset::Cells0To5, 2, 5},
      {SpareRowReset::Cells0To6, 2, 6},
      {SpareRowReset::LongGrid, 5, 4},
  };
  const DrawHistory history = parseDrawHistory("1 1 2 3\r\n2 4 5 6\r\n");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.lastEmptied);
    ToolSession window(ToolEntry{standardWindow({.id = titledWindow("frmreset", "Reset"), .cols = 8, .reset = c.reset}),
                                 [](ToolWindowState &s, const DrawHistory &) {
                                   s.grid.setRows(s.drawCount + 7);
                                   for (int col = 0; col < 8; ++col)
                                     s.grid.setText(s.drawCount + 1, col, "x");
                                 }});
    window.load(history);
    window.click("Command1");
    const ResultGrid &grid = window.state().grid;
    EXPECT_EQ(grid.rows(), 2 + c.rowsAfterDraws);
    for (int col = 0; col < 8; ++col)
      EXPECT_EQ(grid.text(3, col), col <= c.lastEmptied ? "" : "x") << col;

    ToolSession started(ToolEntry{standardWindow({.id = titledWindow("frmstart", "Start"), .cols = 8, .reset = c.reset}),
                                  [](ToolWindowState &s, const DrawHistory &) { startDrawRows(s); }});
    started.load(history);
    EXPECT_EQ(started.state().grid.rows(), 2 + c.rowsAfterDraws);
  }
  ToolSession withoutReset(
      ToolEntry{standardWindow({.id = titledWindow("frmnoreset", "No reset"), .cols = 8, .reset = SpareRowReset::None}),
                [](ToolWindowState &s, const DrawHistory &) { startDrawRows(s); }});
  EXPECT_THROW(withoutReset.load(history), std::logic_error);
}

// A tool's own value lives in its window: two windows of one tool count apart.
TEST(ToolWindowState, OwnValueIsTypedAndKeptPerWindow) {
  ToolDesign d = everyKind();
  d.controls.push_back(actionButton("Command5", "Count", {0, 0, 100, 100},
                                    [](ToolWindowState &s) { ++s.own<int>(); }));
  const ToolEntry tool{d, {}};
  ToolSession first(tool), second(tool);
  first.click("Command5");
  first.click("Command5");
  second.click("Command5");
  EXPECT_EQ(first.state().own<int>(), 2);
  EXPECT_EQ(second.state().own<int>(), 1);
  const ToolSession untouched(tool);
  EXPECT_THROW(untouched.state().own<int>(), std::bad_any_cast);
}
