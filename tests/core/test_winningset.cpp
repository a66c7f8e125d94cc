// The four winning-set charts of the "Winning number from" menu, cell by cell
// and colour by colour in the chart dumper's format, and the dumper itself.
#include "chartdump/commandline.h"
#include "charts/framework/chartdump.h"
#include "charts/framework/tool.h"
#include "tools/menus.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/core/chartcells.h"

#include <sstream>

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

namespace {

// Every case the charts tell apart, labelled 1 to 7.
const QByteArray kFixture =
    "1 9 1 4\r\n"   // 149: inside both sets, three different digits
    "2 7 7 1\r\n"   // 17: 3 Way Box inside "145789" only
    "3 5 5 5\r\n"   // 5: a triple, never marked
    "4 1 4 6\r\n"   // 146: 6 lies outside both sets
    "5 8 8 3\r\n"   // 38: 3 lies outside both sets
    "6 0 9 0\r\n"   // 09: 3 Way Box inside "0124589" only
    "7 2 5 8\r\n";  // 258: inside "0124589" only

std::string dump(const char *window, const QByteArray &file) {
  return chartDumpText(computeChart(test::registeredTool(window), parseDrawHistory(file)), true);
}

// The rows shared by the four charts; `marks` are the seven cells of column 5
// ('*' plain hit, 'R' hit on red, else the miss count), `footer` the four
// statistics, `set` the header of column 5.
std::string expected(const std::string &set, const std::vector<std::string> &marks,
                     const std::vector<std::string> &footer) {
  const char *draws[] = {" 1:914\t9\t1\t4\t149", " 2:771\t7\t7\t1\t17", " 3:555\t5\t5\t5\t5", " 4:146\t1\t4\t6\t146",
                         " 5:883\t8\t8\t3\t38", " 6:090\t0\t9\t0\t09", " 7:258\t2\t5\t8\t258"};
  const std::string tint = "{f=0000FF b=E7E1EF}";
  std::string out = "\tH\tT\tU\t\t" + set + "\n";
  for (int i = 0; i < 7; ++i) {
    const std::string &m = marks[std::size_t(i)];
    out += std::string(draws[i]) + "\t" + (m == "*" ? "*****" : m == "R" ? "*****{b=FF0000}" : m) + "\n";
  }
  out += "\t\t\t\t\t\n";
  const char *labels[] = {"Amount", "Max Miss", "Current Miss", "Average"};
  for (int i = 0; i < 4; ++i)
    out += std::string(labels[i]) + "\t" + tint + "\t" + tint + "\t" + tint + "\t" + tint + "\t" +
           footer[std::size_t(i)] + tint + "\n";
  return out;
}

}  // namespace

TEST(WinningSetCharts, EveryCaseCellByCell) {
  struct Case {
    const char *window;
    std::string set;
    std::vector<std::string> marks, footer;
  };
  const Case cases[] = {
      {"frmgaopin6ma36", "145789", {"*", "R", "1", "2", "3", "4", "5"}, {"2", "5", "5", "3"}},
      {"frmgaopin6ma", "145789", {"*", "1", "2", "3", "4", "5", "6"}, {"1", "6", "6", "7"}},
      {"frmgaopin7ma", "0124589", {"*", "1", "2", "3", "4", "5", "*"}, {"2", "5", "0", "3"}},
      {"frmgaopin7ma36", "0124589", {"*", "1", "2", "3", "4", "R", "*"}, {"3", "4", "0", "2"}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(dump(c.window, kFixture), expected(c.set, c.marks, c.footer)) << c.window;
}

TEST(WinningSetCharts, WithoutDrawsAndWithoutHits) {
  const std::string tint = "{f=0000FF b=E7E1EF}";
  const std::string footer = "\t" + tint + "\t" + tint + "\t" + tint + "\t" + tint + "\t";
  EXPECT_EQ(dump("frmgaopin7ma", ""), "\tH\tT\tU\t\t0124589\n\t\t\t\t\t\n"
                                      "Amount" + footer + "0" + tint + "\nMax Miss" + footer + "0" + tint +
                                          "\nCurrent Miss" + footer + "0" + tint + "\nAverage" + footer + tint + "\n");
  const ResultGrid grid = computeChart(test::registeredTool("frmgaopin6ma"), parseDrawHistory("1 3 3 3\r\n2 6 0 2\r\n"));
  EXPECT_EQ(grid.text(2, 5), "2");
  EXPECT_EQ(grid.text(5, 5), "2");  // Max Miss reaches the last draw
  EXPECT_EQ(grid.text(6, 5), "2");
  EXPECT_EQ(grid.text(7, 5), "");
}

TEST(WinningSetCharts, DesignsAndGridShape) {
  struct Case {
    const char *window, *caption, *title;
  };
  const Case cases[] = {
      {"frmgaopin6ma36", "Box winning number from this \"6 digits\"", "Box winning number from this 6 digits"},
      {"frmgaopin6ma", "6 Way Box winning number from this \"6 digits\"", "6 Way Box winning number from this 6 digits"},
      {"frmgaopin7ma", "6 Way Box winning number from this \"7 digits\"", "6 Way Box winning number from this 7 digits"},
      {"frmgaopin7ma36", "Box winning number from this \"7 digits\"", "Box winning number from this 7 digits"},
  };
  for (const Case &c : cases) {
    const ToolDesign &d = test::registeredTool(c.window).design;
    EXPECT_EQ(d.caption, c.caption);
    EXPECT_EQ(d.title, c.title);
    // The menu item that opens it carries the design's caption.
    bool inMenu = false;
    for (const ToolMenu &menu : toolMenus())
      for (const ToolMenuItem &item : menu.items)
        if (item.windowName() == c.window)
          inMenu = QString::fromUtf8(item.caption) == c.caption && QString(menu.name) == "caigaopin7ma";
    EXPECT_TRUE(inMenu) << c.window;
    // The grid, the hidden reset and "Exit" under the grid's right edge; no "Help".
    QStringList controls;
    for (const ControlDesign &control : d.controls)
      controls << control.name;
    EXPECT_EQ(controls, (QStringList{"MSFlexGrid1", "Command1", "Command2"}));
    EXPECT_EQ(d.control("Command2")->caption, "Exit");
    EXPECT_FALSE(d.control("Command1")->visible);
    EXPECT_EQ(d.control("MSFlexGrid1")->place, (TwipsRect{0, 0, 11595, 5895}));
    EXPECT_EQ(d.highlight, 0u);
    EXPECT_EQ((std::vector<int>{d.clientWidth, d.clientHeight}), (std::vector<int>{11625, 6720}));

    const ResultGrid grid = computeChart(test::registeredTool(c.window), parseDrawHistory(kFixture));
    EXPECT_EQ(grid.cols(), 6);
    EXPECT_EQ((std::vector<int>{grid.colWidth(0), grid.colWidth(1), grid.colWidth(2), grid.colWidth(3),
                                grid.colWidth(4), grid.colWidth(5)}),
              (std::vector<int>{1218, 300, 300, 300, 30, 806}));
    EXPECT_EQ(grid.topRow(), 12);  // the last row, N + 5
    EXPECT_EQ(grid.currentRow(), 8);
    EXPECT_EQ(grid.currentCol(), 1);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.fixedCols(), 1);
  }
}

TEST(ChartDumper, CommandLine) {
  test::TestHome home;
  const std::string file = home.writeLottery("Fixture", kFixture).toStdString();
  const std::string bad = home.writeLottery("Bad", "1 9 1 4\r\n2 12 2 3\r\n3 2 5 8\r\n").toStdString();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;     // empty: anything
    std::string errHas;  // empty: nothing on err
  };
  const Case cases[] = {
      {{"frmgaopin6ma36", file}, 0, "", ""},
      {{"--colors", "frmgaopin6ma36", file}, 0, dump("frmgaopin6ma36", kFixture), ""},
      {{"frmnosuchwindow", file}, 2, "", "frmnosuchwindow"},
      {{"frmgaopin6ma36", file + ".missing"}, 2, "", file + ".missing"},
      {{"frmgaopin6ma36"}, 2, "", "usage"},
      {{"frmgaopin7ma", bad}, 0, "", "line 2: 2 12 2 3"},
  };
  for (const Case &c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(runChartDump(toolRegistry(), c.args, out, err), c.status) << c.args[0];
    if (!c.out.empty()) {
      EXPECT_EQ(out.str(), c.out);
    }
    if (c.errHas.empty())
      EXPECT_EQ(err.str(), "");
    else
      EXPECT_NE(err.str().find(c.errHas), std::string::npos) << err.str();
    if (c.status != 0) {
      EXPECT_EQ(out.str(), "");
    }
  }

  // Without colours: texts only, one tab between cells, rows from row 0.
  std::ostringstream plain, err;
  runChartDump(toolRegistry(), {"frmgaopin6ma36", file}, plain, err);
  std::istringstream lines(plain.str());
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);)
    rows.push_back(line);
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_EQ(rows[0], "\tH\tT\tU\t\t145789");
  EXPECT_EQ(rows[2], " 2:771\t7\t7\t1\t17\t*****");
  EXPECT_EQ(rows[9], "Amount\t\t\t\t\t2");

  // A record with the digit 12 is left out, not shown and not counted.
  std::ostringstream skipped;
  runChartDump(toolRegistry(), {"frmgaopin7ma", bad}, skipped, err);
  EXPECT_EQ(skipped.str().substr(0, skipped.str().find("\n\t\t")),
            "\tH\tT\tU\t\t0124589\n 1:914\t9\t1\t4\t149\t*****\n 3:258\t2\t5\t8\t258\t*****");
}
