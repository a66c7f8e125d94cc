// The frame's resize rules and the cell highlight, as plain data.
#include "charts/toolframe.h"
#include "support/core/qtprint.h"

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

namespace {

ToolDesign withHelp() {
  ToolDesign d;
  d.layout = ToolLayout::GridExitAndHelp;
  d.exitButton = ButtonDesign{"Exit", 10200, 6000, 1335, 375};
  d.helpButton = ButtonDesign{"Help", 8760, 6000, 1200, 375};
  return d;
}

void PrintTo(const TwipsRect &r, std::ostream *os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

}  // namespace

TEST(FormResizeLayout, GridExitAndHelpAt8000By6000) {
  const ToolDesign d = withHelp();
  FormGeometry g = designGeometry(d);
  formResizeLayout(d, g, 8000, 6000);
  EXPECT_EQ(g["MSFlexGrid1"], (TwipsRect{0, 0, 7790, 4800}));
  EXPECT_EQ(g["Command2"], (TwipsRect{7790 - 1335, 5025, 1335, 375}));
  EXPECT_EQ(g["Command3"], (TwipsRect{7790 - 1335 - 1200 - 100, 5025, 1200, 375}));
  EXPECT_EQ(g["Command1"], (TwipsRect{8760, 6120, 1335, 375}));  // the hidden reset never moves

  ToolDesign exitOnly = d;
  exitOnly.layout = ToolLayout::GridAndExit;
  g = designGeometry(exitOnly);
  formResizeLayout(exitOnly, g, 8000, 6000);
  EXPECT_EQ(g["Command2"], (TwipsRect{6455, 5025, 1335, 375}));
  EXPECT_EQ(g["Command3"], (TwipsRect{8760, 6000, 1200, 375}));  // left where the design put it
}

TEST(FormResizeLayout, TooSmallStopsAtTheFailingStep) {
  const ToolDesign d = withHelp();
  const FormGeometry design = designGeometry(d);
  struct Case {
    const char *name;
    int width, height;
    TwipsRect grid;
    bool buttonsMoved;
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
    EXPECT_EQ(g["Command2"] != design.at("Command2"), c.buttonsMoved) << c.name;
    EXPECT_EQ(g["Command3"] != design.at("Command3"), c.buttonsMoved) << c.name;
  }
}

TEST(FormResizeLayout, CustomRuleWithNamedButtons) {
  // A window whose "Exit" is Command1, with an own button and a text panel.
  ToolDesign d;
  d.layout = ToolLayout::Custom;
  d.resetButton.reset();
  d.exitButton = ButtonDesign{"Exit", 0, 0, 1575, 375, true, "Command1"};
  d.ownButtons = {ToolButton{ButtonDesign{"Next", 0, 0, 1935, 375, true, "Command2"}, nullptr}};
  d.textPanels = {TextPanelDesign{"Text1", 120, 0, 8055, 5175}};
  d.layoutRule = [](FormGeometry &g, int width, int height) {
    LayoutSteps s(g);
    s.left("MSFlexGrid1", 0).top("MSFlexGrid1", 0).height("MSFlexGrid1", height - 1200);
    s.width("MSFlexGrid1", width - 210);
    s.top("Text1", 0).left("Text1", 0);
    s.top("Command1", s["MSFlexGrid1"].height + 225).left("Command1", s["MSFlexGrid1"].width - s["Command1"].width);
    s.top("Command2", s["MSFlexGrid1"].height + 225).left("Command2", s["Command1"].left - s["Command2"].width - 100);
  };
  FormGeometry g = designGeometry(d);
  EXPECT_EQ(g.count("Command3"), 0u);
  EXPECT_EQ(g["Text1"], (TwipsRect{120, 0, 8055, 5175}));
  formResizeLayout(d, g, 8000, 6000);
  EXPECT_EQ(g["Command1"], (TwipsRect{6215, 5025, 1575, 375}));
  EXPECT_EQ(g["Command2"], (TwipsRect{4180, 5025, 1935, 375}));
  EXPECT_EQ(g["Text1"], (TwipsRect{0, 0, 8055, 5175}));

  g = designGeometry(d);
  formResizeLayout(d, g, 8000, 1000);
  EXPECT_EQ(g["Text1"], (TwipsRect{120, 0, 8055, 5175}));
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
  EXPECT_EQ(grid.backColor(2, 2), 0);  // its own red does not come back
  EXPECT_EQ(grid.backColor(1, 1), h);
}
