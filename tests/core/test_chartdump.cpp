// The chart dumper's command line beyond the grid: the game type of the
// load, typed inputs with the messages they bring, the design lines and the
// list of tools.
#include "chartdump/commandline.h"
#include "charts/framework/chartdump.h"
#include "charts/drawrows.h"
#include "charts/framework/toolframe.h"
#include "tools/menus.h"
#include "support/core/menuitems.h"
#include "support/core/testhome.h"

#include <sstream>

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

namespace {

// An enquiry window: "Enquire" refuses a text that is not three digits with
// a two-line message, and otherwise adds the text as a column.
void enquire(ToolWindowState &s) {
  const QString text = s.control("Text1").text;
  if (text.size() != 3) {
    s.message("There are errors in the input.\r\nPlease try again!");
    return;
  }
  s.grid.setCols(s.grid.cols() + 1);
  s.grid.setText(0, s.grid.cols() - 1, text);
}

ToolDesign dumpDesign() {
  ToolDesign d;
  d.windowName = "frmdumptest";
  d.caption = "Dump \"test\"";
  d.title = "Dump test";
  d.cols = 4;
  d.fontPoints = 6.75;
  d.helpPage = "\\help\\Dump_test.htm";
  d.controls = {
      gridControl(12750, 4785),
      ControlDesign{.kind = ControlKind::Frame, .name = "Frame1", .caption = "Numbers", .place = {120, 4920, 12615, 2655}},
      ControlDesign{.kind = ControlKind::TextBox, .name = "Text1", .place = {240, 240, 12255, 1815}, .parent = "Frame1",
                    .role = ControlRole::Input},
      ControlDesign{.name = "Command2", .caption = "Enquire", .place = {240, 2160, 1215, 375}, .parent = "Frame1",
                    .role = ControlRole::Enquiry, .action = enquire},
      ControlDesign{.name = "Command1", .caption = "Command1", .place = {11160, 2160, 1335, 375}, .parent = "Frame1",
                    .visible = false},
  };
  return d;
}

void loadDumpTest(ToolWindowState &s, const DrawHistory &history) {
  s.grid.setColWidth(0, 1218);
  resetGridRows(s.grid, s.drawCount, 1);
  fillDrawRows(s.grid, history);
  s.grid.setNumber(0, 1, s.gameType);
  s.grid.setRowHeight(0, 300);
  s.grid.setTopRow(s.grid.rows() - 1);
}

// The test's own tools: the enquiry window above and one tool of the program's.
const ToolRegistry &testTools() {
  static const ToolRegistry tools = [] {
    ToolRegistry r;
    r.add({dumpDesign(), loadDumpTest});
    r.add(*toolRegistry().find("frmgaopin6ma"));
    return r;
  }();
  return tools;
}

struct DumpRun {
  int status;
  std::string out, err;
};

DumpRun dump(const std::vector<std::string> &args) {
  std::ostringstream out, err;
  const int status = runChartDump(testTools(), args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace

TEST(ChartDumpCommandLine, GameInputsAndMessages) {
  test::TestHome home;
  const std::string file = home.writeLottery("A", "1 1 2 3\r\n").toStdString();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string errHas;
  };
  const Case cases[] = {
      {{"frmdumptest", file}, 0, "\t0\t\t\n 1:123\t1\t2\t3\n\t\t\t\n", ""},
      {{"--game", "1", "frmdumptest", file}, 0, "\t1\t\t\n 1:123\t1\t2\t3\n\t\t\t\n", ""},
      {{"--input", "123", "--input", "45", "--input", "678", "frmdumptest", file},
       0,
       "MESSAGE: There are errors in the input.\r\nPlease try again!\n\t0\t\t\t123\t678\n 1:123\t1\t2\t3\t\t\n"
       "\t\t\t\t\t\n",
       ""},
      {{"--game", "x", "frmdumptest", file}, 2, "", "--game"},
      {{"--input", "123", "frmgaopin6ma", file}, 2, "", "no input box"},
      {{"--game"}, 2, "", "usage"},
  };
  for (const Case &c : cases) {
    const DumpRun run = dump(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_EQ(run.out, c.out) << c.args[0];
    if (c.errHas.empty())
      EXPECT_EQ(run.err, "");
    else
      EXPECT_NE(run.err.find(c.errHas), std::string::npos) << run.err;
  }
}

TEST(ChartDumpCommandLine, DesignLines) {
  test::TestHome home;
  const std::string file = home.writeLottery("A", "1 1 2 3\r\n2 4 5 6\r\n").toStdString();
  const DumpRun run = dump({"--design", "--input", "12", "frmdumptest", file});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "MESSAGE: There are errors in the input.\r\nPlease try again!\n"
            "caption\tDump test\n"
            "title\tDump test\n"
            "client\t11625\t6720\n"
            "font\tArial\t6.75\n"
            "help\t\\help\\Dump_test.htm\n"
            "control\tMSFlexGrid1\tgrid\t\t\t0\t0\t12750\t4785\tvisible\n"
            "control\tFrame1\tframe\tNumbers\t\t120\t4920\t12615\t2655\tvisible\n"
            "control\tText1\ttextbox\t12\tFrame1\t240\t240\t12255\t1815\tvisible\n"
            "control\tCommand2\tbutton\tEnquire\tFrame1\t240\t2160\t1215\t375\tvisible\n"
            "control\tCommand1\tbutton\tCommand1\tFrame1\t11160\t2160\t1335\t375\thidden\n"
            "cols\t1218\t960\t960\t960\n"
            "rows\t0=300\n"
            "toprow\t3\n");
}

TEST(ChartDumpCommandLine, ListsTheRegistrysToolsInOrderWithTheirCaptions) {
  const std::string gaopin = toolRegistry().find("frmgaopin6ma")->design.caption.toStdString();
  const DumpRun run = dump({"--list"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "frmdumptest\tDump \"test\"\nfrmgaopin6ma\t" + gaopin + "\n");
  EXPECT_EQ(dump({"--list", "frmdumptest"}).status, 2);

  // The program's: every menu item's tool once, in menu order, with the
  // caption its design gives.
  std::string expected;
  for (const test::MenuItemCase &c : test::menuTools())
    expected += std::string(c.window) + "\t" + toolRegistry().find(c.window)->design.caption.toStdString() + "\n";
  std::ostringstream out, err;
  EXPECT_EQ(runChartDump(toolRegistry(), {"--list"}, out, err), 0);
  EXPECT_EQ(out.str(), expected);
}
