// The "3 Way Box" menu's charts: the pair charts "3 Way Box Type" and "3 Way
// Box Trend" with their "Max Miss" row and the copy of a column's miss runs
// on a double-click, the three chance charts, and "3 Way Box Statistical".
#include "charts/framework/tool.h"
#include "charts/framework/toolframe.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace corvessa;
using test::chartOfDraws;
using test::drawFile;
using test::dumpedCells;
using test::everyNumber;
using test::menuCaption;
using test::registeredTool;

namespace {

const char *const kType = "frmzu3leixing2";
const char *const kTrend = "Form1zu3zh";
const char *const kChance1 = "Form1zu3";
const char *const kChance2 = "Form1tlj";
const char *const kChance3 = "Form1zu3bai10";
const char *const kStatistical = "frmzusan90";

const std::string kRed = "{b=FF0000}", kLilac = "{b=9E8CFF}", kGrey = "{f=BCC2B6}";

// The digit drawn twice and the other one, for a draw with exactly two equal digits.
std::optional<std::pair<int, int>> pairAndThird(const std::string &draw) {
  const int h = draw[0] - '0', t = draw[1] - '0', u = draw[2] - '0';
  if (h == t && t == u)
    return std::nullopt;
  if (h == t)
    return std::pair{h, u};
  if (h == u)
    return std::pair{h, t};
  if (t == u)
    return std::pair{t, h};
  return std::nullopt;
}

bool big(int d) { return d >= 5; }
bool odd(int d) { return d % 2 == 1; }
bool prime(int d) { return d == 1 || d == 2 || d == 3 || d == 5 || d == 7; }

// The type cells of a 3 Way Box draw, column by column, as dumped with colours.
using TypeCells = std::map<int, std::string>;

TypeCells typeCellsOfType(int pair, int third) {
  const char *size[2][2] = {{"3S", "2S1B"}, {"2B1S", "3B"}};            // [pair big][third big]
  const char *parity[2][2] = {{"3E", "2E1O"}, {"2O1E", "3O"}};          // [pair odd][third odd]
  const char *primes[2][2] = {{"3C", "2C1P"}, {"2P1C", "3P"}};          // [pair prime][third prime]
  const std::map<std::string, int> columns = {{"2S1B", 19}, {"2B1S", 20}, {"3S", 21}, {"3B", 22},
                                              {"2E1O", 24}, {"2O1E", 25}, {"3E", 26}, {"3O", 27},
                                              {"2P1C", 29}, {"2C1P", 30}, {"3P", 31}, {"3C", 32}};
  const std::string s = size[big(pair)][big(third)], p = parity[odd(pair)][odd(third)],
                    c = primes[prime(pair)][prime(third)];
  return {{columns.at(s), s + kRed}, {columns.at(p), p + kLilac}, {columns.at(c), c + kRed}};
}

// Only the pair digit counts in the trend.
TypeCells typeCellsOfTrend(int pair, int) {
  const char *routes[] = {"0Type", "1Type", "2Type"};
  return {{big(pair) ? 20 : 19, (big(pair) ? "Big" : "Small") + kRed},
          {22 + pair % 3, routes[pair % 3] + kLilac},
          {odd(pair) ? 27 : 26, (odd(pair) ? "Odd" : "Even") + kRed},
          {prime(pair) ? 30 : 29, (prime(pair) ? "Prime" : "Composite") + kLilac}};
}

QString copiedRuns(const char *window, const std::vector<std::string> &draws, int row, int col,
                   const QString &before = QStringLiteral("held before")) {
  RecordingHost host;
  host.clipboard = before;
  ToolSession session(registeredTool(window), &host);
  session.load(parseDrawHistory(drawFile(draws)));
  session.doubleClick(row, col);
  return host.clipboard.value_or(QStringLiteral("<never set>"));
}

}  // namespace

TEST(ThreeWayBoxCharts, DesignsFromTheirMenuItems) {
  const struct {
    const char *window;
    int cols;
    const char *helpPage;
    bool help;  // a visible "Help"
    std::vector<QString> labels;
  } windows[] = {
      {kType, 33, "", false, {"[S:Small],[B:Big],[E:Even],[O:Odd],[P:Prime],[C:Composite]."}},
      {kTrend, 31, "", false,
       {"Small:00,11,22,33,44;Big:55,66,77,88,99;Composite:00,44,66,88,99;Prime:11,22,33,55,77.",
        "0Type:00,33,66,99;1Type:11,44,77;2Type:22,55,88."}},
      {kChance1, 6, "\\help\\3_Way_Box_Chance.htm", true, {}},
      {kChance2, 6, "\\help\\3_Way_Box_Chance.htm", true, {}},
      {kChance3, 10, "\\help\\3_Way_Box_Chance.htm", true, {}},
      {kStatistical, 103, "", true, {}},  // a "Help" that opens nothing
  };
  for (const auto &w : windows) {
    SCOPED_TRACE(w.window);
    const ToolDesign &d = registeredTool(w.window).design;
    EXPECT_EQ(d.caption, menuCaption(w.window));
    EXPECT_EQ(d.title, d.caption);
    EXPECT_EQ(d.cols, w.cols);
    EXPECT_EQ(d.helpPage, w.helpPage);
    EXPECT_FALSE(d.control("Command1")->visible);
    EXPECT_EQ(d.control("Command2")->caption, "Exit");
    EXPECT_EQ(d.control("Command3") != nullptr, w.help);
    for (std::size_t i = 0; i < w.labels.size(); ++i)
      EXPECT_EQ(d.control(QStringLiteral("Label%1").arg(i + 1))->caption, w.labels[i]);
    EXPECT_EQ(d.control(QStringLiteral("Label%1").arg(w.labels.size() + 1)), nullptr);

    RecordingHost host;
    ToolSession session(registeredTool(w.window), &host);
    session.load(parseDrawHistory("1 1 2 1\r\n"));
    session.click("Command2");
    EXPECT_TRUE(host.closed);
    if (w.help) {
      session.click("Command3");
      EXPECT_EQ(host.openedPages, w.helpPage[0] ? QStringList{w.helpPage} : QStringList{});
    }
  }
}

TEST(ThreeWayBoxCharts, ColumnWidths) {
  const struct {
    const char *window;
    std::vector<int> widths;  // -1: the grid's default
  } windows[] = {
      {kType, {1118, 320, 320, 320, 2,   2,   2,   360, 360, 360, 360, 360, 360, 360, 360, 360, 360,
               360,  40,  660, 660, 660, 660, 40,  660, 660, 660, 660, 40,  660, 660, 660, 660}},
      {kTrend, {860, 400, 400, 400, 2,   2,   2,  600, 400, 400, 400, 400, 400, 400, 400, 400,
                400, 400, 50,  600, 600, 50,  600, 600, 600, 50, 600, 600, 50,  600, 600}},
      {kChance1, {860, 300, 300, 300, -1, -1}},
      {kChance2, {860, 300, 300, 300, -1, -1}},
      {kChance3, {860, 300, 300, 300, -1, -1, 5, 5, 5, 40}},
  };
  for (const auto &w : windows) {
    const ResultGrid grid = chartOfDraws(w.window, {"121"});
    std::vector<int> widths;
    for (int c = 0; c < grid.cols(); ++c)
      widths.push_back(grid.colWidth(c));
    EXPECT_EQ(widths, w.widths) << w.window;
  }
  const ResultGrid grid = chartOfDraws(kStatistical, {"121"});
  for (int c = 0; c < grid.cols(); ++c)
    EXPECT_EQ(grid.colWidth(c), c == 0 ? 1032 : c == 4 ? 2 : c <= 5 ? 300 : c <= 95 ? 420 : c == 96 ? 1548 : -1) << c;
}

// The legends under the grid follow its bottom edge, the second under the first.
TEST(ThreeWayBoxCharts, LegendsUnderTheGrid) {
  const ToolDesign &d = registeredTool(kTrend).design;
  for (const auto &[width, height] : {std::pair{11625, 6720}, std::pair{15000, 9000}}) {
    charts::FormGeometry g = charts::designGeometry(d);
    charts::formResizeLayout(d, g, width, height);
    EXPECT_EQ(g[kGridName], (TwipsRect{0, 0, width - 210, height - 1200}));
    EXPECT_EQ(g["Label1"].left, 20);
    EXPECT_EQ(g["Label1"].top, height - 1200 + 120);
    EXPECT_EQ(g["Label2"].left, 20);
    EXPECT_EQ(g["Label2"].top, g["Label1"].top + g["Label1"].height + 40);
    EXPECT_EQ(g["Command2"].top, height - 1200 + 225);
    EXPECT_EQ(g["Command2"].left + g["Command2"].width, width - 210);
    EXPECT_LT(g["Label1"].left + g["Label1"].width, g["Command2"].left);  // the legends never run under "Exit"
  }
  EXPECT_EQ(d.control("Label1")->place.top, 6720 - 1200 + 120);  // where the layout puts it
}

// Every number once: a draw with exactly two equal digits is marked in its
// pair's column and in one column of each type group; no other draw is.
TEST(ThreeWayBoxCharts, PairAndTypeMarksOnEveryNumber) {
  const struct {
    const char *window;
    TypeCells (*types)(int pair, int third);
    bool labelWithDigits;
  } windows[] = {{kType, typeCellsOfType, true}, {kTrend, typeCellsOfTrend, false}};
  const std::vector<std::string> draws = everyNumber();
  for (const auto &w : windows) {
    SCOPED_TRACE(w.window);
    const std::vector<std::vector<std::string>> cells = dumpedCells(chartOfDraws(w.window, draws));
    const int lastCol = int(cells[0].size()) - 1;
    int marked = 0;
    for (int r = 1; r <= 1000; ++r) {
      const std::string &draw = draws[std::size_t(r - 1)];
      const std::vector<std::string> &row = cells[std::size_t(r)];
      SCOPED_TRACE(draw);
      EXPECT_EQ(row[0], w.labelWithDigits ? std::to_string(r) + ":" + draw : " " + std::to_string(r));
      std::string sorted = draw;
      std::sort(sorted.begin(), sorted.end());
      EXPECT_EQ(std::vector<std::string>(row.begin() + 1, row.begin() + 7),
                (std::vector<std::string>{draw.substr(0, 1), draw.substr(1, 1), draw.substr(2, 1), sorted.substr(0, 2),
                                          sorted.substr(1, 2), std::string{sorted[0], sorted[2]}}));
      const std::optional<std::pair<int, int>> pair = pairAndThird(draw);
      marked += pair.has_value();
      EXPECT_EQ(row[7], pair ? "-Y-" : "");
      for (int c = 8; c <= 17; ++c) {
        if (pair && c == 8 + pair->first)
          EXPECT_EQ(row[std::size_t(c)], std::string(2, char('0' + pair->first)) + kRed);
        else
          EXPECT_TRUE(row[std::size_t(c)].ends_with(kGrey) && std::isdigit(row[std::size_t(c)][0])) << c;
      }
      const TypeCells expected = pair ? w.types(pair->first, pair->second) : TypeCells{};
      TypeCells shown;
      for (int c = 18; c <= lastCol; ++c)
        if (!row[std::size_t(c)].empty())
          shown[c] = row[std::size_t(c)];
      EXPECT_EQ(shown, expected);
    }
    EXPECT_EQ(marked, 270);
  }
}

// Pair "55" won in draws 3 and 10 of 15, pair "11" in draws 1, 5, 6 and 12;
// "3S" is red in the rows of "11". The other pairs never won.
TEST(ThreeWayBoxCharts, MissCountsMaxMissAndCopiedRuns) {
  std::vector<std::string> draws(15, "123");
  for (const auto &[row, draw] : std::map<int, std::string>{{1, "112"}, {3, "505"}, {5, "211"}, {6, "121"},
                                                             {10, "550"}, {12, "113"}})
    draws[std::size_t(row - 1)] = draw;
  for (const char *window : {kType, kTrend}) {
    SCOPED_TRACE(window);
    const std::vector<std::vector<std::string>> cells = dumpedCells(chartOfDraws(window, draws));
    ASSERT_EQ(cells.size(), 20u);  // N + 5 rows
    const auto column = [&](int col, int first, int last) {
      std::vector<std::string> out;
      for (int r = first; r <= last; ++r)
        out.push_back(cells[std::size_t(r)][std::size_t(col)]);
      return out;
    };
    const auto counts = [](std::vector<int> values) {
      std::vector<std::string> out;
      for (int v : values)
        out.push_back(v ? std::to_string(v) + kGrey : "55" + kRed);
      return out;
    };
    EXPECT_EQ(column(13, 1, 15), counts({1, 2, 0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5}));
    // Rows N + 1 to N + 3 stay empty; row N + 4 holds the longest run a hit ended.
    for (int r = 16; r <= 18; ++r)
      EXPECT_EQ(cells[std::size_t(r)], std::vector<std::string>(cells[0].size())) << r;
    std::vector<std::string> maxMiss(cells[0].size());
    maxMiss[0] = "Max Miss";
    for (int c = 8; c <= 17; ++c)
      maxMiss[std::size_t(c)] = "0" + kGrey;
    maxMiss[9] = "5" + kGrey;   // "11": 3 and 5 closed, 3 still open
    maxMiss[13] = "6" + kGrey;  // "55": 2 and 6 closed, 5 still open
    EXPECT_EQ(cells[19], maxMiss);
  }

  // The clipboard: each closed run's length and CR LF, oldest first, from
  // whichever row of the column the double-click hit, its header too. The
  // labels' column copies nothing.
  const struct {
    int row, col;
    const char *window;
    QString copied;
  } clicks[] = {
      {7, 13, kType, "2\r\n6\r\n"},
      {0, 13, kType, "2\r\n6\r\n"},  // the header "55"
      {0, 13, kTrend, "2\r\n6\r\n"},
      {0, 0, kType, "held before"},    // the corner
      {19, 13, kTrend, "2\r\n6\r\n"},
      {15, 9, kType, "3\r\n5\r\n"},  // not the win in draw 1, nor the one straight after a win
      {4, 8, kType, ""},             // never won: the clipboard is emptied
      {4, 8, kTrend, ""},
      {4, 0, kType, "held before"},  // the labels
      {4, 21, kType, "\r\n\r\n"},    // "3S": red wins without counts above them
      {4, 19, kTrend, "\r\n\r\n"},   // "Small" likewise
      {4, 25, kType, ""},            // "2O1E" is marked in lilac
      {4, 23, kTrend, ""},           // "1Type" likewise
  };
  for (const auto &click : clicks)
    EXPECT_EQ(copiedRuns(click.window, draws, click.row, click.col), click.copied)
        << click.window << " " << click.row << "," << click.col;
}

TEST(ThreeWayBoxCharts, PairChartsOnAnEmptyHistory) {
  for (const char *window : {kType, kTrend}) {
    const std::vector<std::vector<std::string>> cells = dumpedCells(chartOfDraws(window, {}));
    ASSERT_EQ(cells.size(), 5u) << window;
    std::vector<std::string> maxMiss(cells[0].size());
    maxMiss[0] = "Max Miss";
    for (int c = 8; c <= 17; ++c)
      maxMiss[std::size_t(c)] = "0" + kGrey;
    EXPECT_EQ(cells[4], maxMiss) << window;
    EXPECT_EQ(copiedRuns(window, {}, 4, 8), "") << window;  // the "Max Miss" row
    EXPECT_EQ(copiedRuns(window, {"112"}, 1, 9), "") << window;
  }
}

// Every number once: the trigger of each chance chart, "YES" on a 3 Way Box,
// and in the third chart the second "  YES" and the draw's width.
TEST(ThreeWayBoxCharts, ChanceTriggersOnEveryNumber) {
  const auto cyclicRun = [](const std::string &d) {
    const std::set<int> digits = {d[0] - '0', d[1] - '0', d[2] - '0'};
    for (int k = 0; k < 10; ++k)
      if (digits == std::set<int>{k, (k + 1) % 10, (k + 2) % 10})
        return true;
    return false;
  };
  const struct {
    const char *window;
    std::function<bool(const std::string &)> trigger;
    int triggers;
  } windows[] = {
      {kChance1, [](const std::string &d) { return d[0] == '1'; }, 100},
      {kChance2, cyclicRun, 60},  // ten runs, six orders each
      {kChance3, [](const std::string &d) { return d[1] == '0'; }, 100},
  };
  const std::vector<std::string> draws = everyNumber();
  for (const auto &w : windows) {
    SCOPED_TRACE(w.window);
    const ResultGrid grid = chartOfDraws(w.window, draws);
    const bool third = grid.cols() == 10;
    int triggers = 0;
    for (int r = 1; r <= 1000; ++r) {
      const std::string &draw = draws[std::size_t(r - 1)];
      const bool box = pairAndThird(draw).has_value();
      triggers += w.trigger(draw);
      ASSERT_EQ(grid.textView(r, 4), w.trigger(draw) ? "***" : "") << draw;
      EXPECT_EQ(grid.textView(r, 5), box ? "YES" : "") << draw;
      EXPECT_EQ(grid.text(r, 0), " " + QString::number(r));
      if (third) {
        EXPECT_EQ(grid.textView(r, 8), box ? "  YES" : "") << draw;
        const auto [lo, hi] = std::minmax({draw[0], draw[1], draw[2]});
        EXPECT_EQ(grid.textView(r, 9), std::to_string(hi - lo)) << draw;
        EXPECT_TRUE(grid.isEmpty(r, 6));
      }
    }
    EXPECT_EQ(triggers, w.triggers);
    EXPECT_EQ(grid.textView(0, 5), "3 Way Box");
    if (third) {
      EXPECT_EQ(grid.textView(0, 8), "3 Way Box");
    }
  }
}

// The red runs: column 4 over the four rows after each trigger, into the
// spare rows; column 7 of the third chart over the three rows after two
// draws of equal width, draws 1 and 2 never compared.
TEST(ThreeWayBoxCharts, ChanceWindows) {
  const struct {
    const char *name, *window;
    std::vector<std::string> draws;
    int col;
    std::set<int> red;
  } cases[] = {
      // Triggers (H = 1) in the oldest draw, in draws 6 and 7, and in the newest.
      {"triggers", kChance1, {"100", "222", "222", "222", "222", "123", "145", "222", "222", "222", "222", "199"}, 4,
       {2, 3, 4, 5, 7, 8, 9, 10, 11, 13, 14, 15, 16}},
      {"equal widths in draws 1 and 2 only", kChance3, {"222", "111", "159"}, 7, {}},
      {"equal widths in draws 2 and 3", kChance3, {"159", "222", "111", "123"}, 7, {4, 5, 6}},
      {"equal widths in the newest two draws", kChance3, {"159", "123", "222", "111"}, 7, {5, 6, 7}},
      {"no draws", kChance3, {}, 4, {}},
  };
  for (const auto &tc : cases) {
    SCOPED_TRACE(tc.name);
    const ResultGrid grid = chartOfDraws(tc.window, tc.draws);
    const int n = int(tc.draws.size());
    ASSERT_EQ(grid.rows(), n + 5);
    EXPECT_EQ(grid.topRow(), n + 4);
    std::set<int> red;
    for (int r = 0; r < grid.rows(); ++r)
      for (int c = 0; c < grid.cols(); ++c) {
        if (grid.backColor(r, c) == 0)
          continue;
        EXPECT_EQ(c, tc.col) << r;
        EXPECT_EQ(grid.backColor(r, c), rgb(255, 0, 0));
        red.insert(r);
      }
    EXPECT_EQ(red, tc.red);
    for (int r = n + 1; r < grid.rows(); ++r)
      for (int c = 0; c < grid.cols(); ++c)
        EXPECT_TRUE(grid.isEmpty(r, c)) << r << "," << c;
  }
}

TEST(ThreeWayBoxCharts, StatisticalTicketsInTheirOrder) {
  const ResultGrid grid = chartOfDraws(kStatistical, {});
  ASSERT_EQ(grid.rows(), 5);
  std::vector<std::string> tickets;
  for (int c = 6; c <= 95; ++c)
    tickets.emplace_back(grid.textView(0, c));
  std::set<std::string> all;
  for (const std::string &n : everyNumber()) {
    std::string sorted = n;
    std::sort(sorted.begin(), sorted.end());
    if (pairAndThird(n))
      all.insert(sorted);
  }
  EXPECT_EQ(std::set<std::string>(tickets.begin(), tickets.end()), all);
  EXPECT_EQ(tickets.size(), 90u);
  for (const auto &[col, ticket] : std::map<int, const char *>{
           {6, "001"}, {14, "009"}, {15, "011"}, {23, "099"}, {24, "112"}, {32, "122"}, {40, "223"}, {54, "334"},
           {66, "445"}, {76, "556"}, {84, "667"}, {90, "778"}, {94, "889"}, {95, "899"}})
    EXPECT_EQ(grid.textView(0, col), ticket) << col;
  EXPECT_EQ(grid.textView(0, 96), "Winning Number Miss");
  EXPECT_EQ(grid.textView(0, 102), ">500");
}

// "001" (column 6) won in draws 1, 5, 6 and 12, "556" (column 76) first in
// draw 150; the draws between are 555 and 012, which win nothing.
TEST(ThreeWayBoxCharts, StatisticalTallyOfWins) {
  std::vector<std::string> draws(150);
  for (std::size_t i = 0; i < draws.size(); ++i)
    draws[i] = i % 2 ? "555" : "012";
  for (const auto &[row, draw] : std::map<int, std::string>{{1, "100"}, {5, "010"}, {6, "001"}, {12, "100"},
                                                             {150, "565"}})
    draws[std::size_t(row - 1)] = draw;
  const std::vector<std::vector<std::string>> cells = dumpedCells(chartOfDraws(kStatistical, draws));
  const std::map<int, std::pair<std::string, int>> tallies = {
      {5, {"4", 97}}, {6, {"0", 97}}, {12, {"6", 97}}, {150, {"150", 98}}};
  for (int r = 1; r <= 150; ++r) {
    SCOPED_TRACE(r);
    const std::vector<std::string> &row = cells[std::size_t(r)];
    const bool won = r == 1 || tallies.count(r);
    const int winCol = r == 150 ? 76 : won ? 6 : 0;
    EXPECT_EQ(row[4], [&] { std::string k = draws[std::size_t(r - 1)]; std::sort(k.begin(), k.end()); return k; }());
    EXPECT_EQ(row[5], won ? "-Y-" : "");
    EXPECT_EQ(row[6], winCol == 6 ? "****" + kRed : std::to_string(r - (r > 12 ? 12 : r > 6 ? 6 : r > 1 ? 1 : 0)));
    if (winCol == 76) {
      EXPECT_EQ(row[76], "****" + kRed);
    }
    std::vector<std::string> expected(7);  // columns 96 to 102; none for the win in draw 1
    if (tallies.count(r)) {
      expected[0] = tallies.at(r).first;
      expected[std::size_t(tallies.at(r).second - 96)] = "*";
    }
    EXPECT_EQ(std::vector<std::string>(row.begin() + 96, row.end()), expected);
  }
}
