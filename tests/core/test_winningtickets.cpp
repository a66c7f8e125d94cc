// The winning-ticket charts of the "Box" menu ("70 Tickets follow", "6 Way
// Box Statistical") and their routines: the tickets, the wins, the shading,
// and the tally of each win with its range.
#include "charts/missstats.h"
#include "charts/families/winningtickets.h"
#include "charts/framework/tool.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace corvessa;
using test::chartOfDraws;
using test::dumpedCells;
using test::menuCaption;
using test::registeredTool;

namespace {

std::vector<std::string> headers(const ResultGrid &grid, int first, int last) {
  std::vector<std::string> out;
  for (int c = first; c <= last; ++c)
    out.emplace_back(grid.textView(0, c));
  return out;
}

int digitSum(const std::string &s) { return (s[0] - '0') + (s[1] - '0') + (s[2] - '0'); }

// The 70 tickets by digit sum: the columns of each sum, shaded where the sum is even.
struct Band {
  int sum, first, last;
};
const Band kBands[] = {
    {5, 6, 6},    {6, 7, 8},    {7, 9, 10},   {8, 11, 14},  {9, 15, 18},  {10, 19, 23}, {11, 24, 28},
    {12, 29, 33}, {13, 34, 40}, {14, 41, 47}, {15, 48, 53}, {16, 54, 58}, {17, 59, 62}, {18, 63, 65},
    {19, 66, 68}, {20, 69, 70}, {21, 71, 72}, {22, 73, 74}, {23, 75, 75},
};

bool shadedIn70(int col) {
  for (const Band &b : kBands)
    if (col >= b.first && col <= b.last)
      return b.sum % 2 == 0;
  return false;
}

const std::string kRed = "{b=FF0000}", kShade = "{b=AAD2B0}";

}  // namespace

TEST(WinningTicketCharts, DesignsAndHeaders) {
  const struct {
    const char *window;
    int lastTicketCol;
    const char *helpPage;
  } charts[] = {{"frmzuliu70", 75, "\\help\\N_Tickets_follow.htm"}, {"frmzuliu120", 125, ""}};
  for (const auto &t : charts) {
    SCOPED_TRACE(t.window);
    const ToolDesign &d = registeredTool(t.window).design;
    EXPECT_EQ(d.caption, menuCaption(t.window));
    EXPECT_EQ(d.title, d.caption);
    EXPECT_EQ(d.cols, t.lastTicketCol + 8);
    EXPECT_EQ(d.fontPoints, 7.5);
    EXPECT_EQ(d.helpPage, t.helpPage);
    EXPECT_FALSE(d.control("Command1")->visible);
    EXPECT_TRUE(d.control("Command3")->visible);  // in the 120 window a "Help" that opens nothing

    const ResultGrid grid = chartOfDraws(t.window, {"941", "555"});
    const int l = t.lastTicketCol;
    for (int c = 0; c < grid.cols(); ++c) {
      const int width = c == 0 ? 1032 : c == 4 ? 2 : c <= 5 ? 300 : c <= l ? 420 : c == l + 1 ? 1548
                        : ResultGrid::kDefaultWidth;
      EXPECT_EQ(grid.colWidth(c), width) << c;
    }
    EXPECT_EQ(headers(grid, 0, 5), (std::vector<std::string>{"", "H", "T", "U", "", ""}));
    EXPECT_EQ(headers(grid, l + 1, l + 7), (std::vector<std::string>{"Winning Number Miss", "0-100", "101-200",
                                                                     "201-300", "301-400", "401-500", ">500"}));
    // Two draws and four blank rows, scrolled to the last; no statistics.
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_EQ(grid.topRow(), 6);
    for (int r = 3; r < 7; ++r)
      for (int c = 0; c < grid.cols(); ++c)
        EXPECT_TRUE(grid.isEmpty(r, c) && grid.backColor(r, c) == 0) << r << "," << c;
  }
}

TEST(WinningTicketCharts, SeventyTicketsGroupedByDigitSum) {
  const ResultGrid grid = chartOfDraws("frmzuliu70", {"555"});
  const std::vector<std::string> tickets = headers(grid, 6, 75);
  EXPECT_EQ(std::set<std::string>(tickets.begin(), tickets.end()).size(), 70u);
  int next = 6;
  for (const Band &b : kBands) {
    SCOPED_TRACE(b.sum);
    EXPECT_EQ(b.first, next);  // the bands follow each other, by ascending sum
    next = b.last + 1;
    for (int c = b.first; c <= b.last; ++c) {
      const std::string &ticket = tickets[std::size_t(c - 6)];
      EXPECT_EQ(digitSum(ticket), b.sum) << ticket;
      EXPECT_TRUE(ticket[0] < ticket[1] && ticket[1] < ticket[2]) << ticket;
    }
  }
  EXPECT_EQ(next, 76);
  // The tickets of the even sums are shaded on the draw rows, not above or under them.
  for (int c = 0; c < grid.cols(); ++c) {
    EXPECT_EQ(grid.backColor(1, c), shadedIn70(c) ? rgb(170, 210, 176) : 0u) << c;
    EXPECT_EQ(grid.backColor(0, c), 0u);
    EXPECT_EQ(grid.backColor(2, c), 0u);
  }
}

TEST(WinningTicketCharts, SixWayBoxNumbersAscending) {
  const ResultGrid grid = chartOfDraws("frmzuliu120", {});
  const std::vector<std::string> numbers = headers(grid, 6, 125);
  std::vector<std::string> all;
  for (char i = '0'; i <= '9'; ++i)
    for (char j = i + 1; j <= '9'; ++j)
      for (char k = j + 1; k <= '9'; ++k)
        all.push_back({i, j, k});
  EXPECT_EQ(numbers, all);
  for (const auto &[col, number] : {std::pair{6, "012"}, std::pair{7, "013"}, std::pair{13, "019"},
                                    std::pair{14, "023"}, std::pair{41, "089"}, std::pair{42, "123"},
                                    std::pair{125, "789"}})
    EXPECT_EQ(grid.textView(0, col), number);
}

// Every draw once: a draw of three different digits wins the one column its
// sorted digits spell, a draw with a repeated digit none.
TEST(WinningTicketCharts, EveryDrawWinsTheNumberItsDigitsSpell) {
  std::vector<std::string> draws;
  for (int n = 0; n < 1000; ++n)
    draws.push_back({char('0' + n / 100), char('0' + n / 10 % 10), char('0' + n % 10)});
  for (const char *window : {"frmzuliu120", "frmzuliu70"}) {
    SCOPED_TRACE(window);
    const ResultGrid grid = chartOfDraws(window, draws);
    const int last = grid.cols() - 8;
    int wins = 0;
    for (int r = 1; r <= 1000; ++r) {
      std::string sorted = draws[std::size_t(r - 1)];
      std::sort(sorted.begin(), sorted.end());
      bool won = false;
      for (int c = 6; c <= last; ++c) {
        const bool win = grid.textView(0, c) == sorted;
        ASSERT_EQ(grid.textView(r, c) == "****", win) << sorted << " " << c;
        EXPECT_EQ(grid.backColor(r, c) == rgb(255, 0, 0), win);
        won = won || win;
      }
      wins += won;
      EXPECT_EQ(grid.textView(r, 5), won ? "-Y-" : "") << sorted;
      EXPECT_EQ(grid.textView(r, 4), sorted);
    }
    EXPECT_EQ(wins, 6 * (last - 5));
  }
}

// One draw each, the whole row as the dumper prints it with colours.
TEST(WinningTicketCharts, SingleDrawsCellByCell) {
  struct Case {
    const char *window, *draw, *key;
    int won;  // 0: none
  };
  const Case cases[] = {
      {"frmzuliu70", "104", "014", 6},  {"frmzuliu70", "410", "014", 6},  {"frmzuliu70", "041", "014", 6},
      {"frmzuliu70", "420", "024", 7},  {"frmzuliu70", "986", "689", 75}, {"frmzuliu70", "012", "012", 0},
      {"frmzuliu70", "227", "227", 0},  {"frmzuliu70", "555", "555", 0},  {"frmzuliu120", "904", "049", 31},
      {"frmzuliu120", "490", "049", 31}, {"frmzuliu120", "338", "338", 0}, {"frmzuliu120", "000", "000", 0},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.window) + " " + tc.draw);
    const bool seventy = std::string(tc.window) == "frmzuliu70";
    const int last = seventy ? 75 : 125;
    std::vector<std::string> expected = {std::string("1|") + tc.draw, std::string(1, tc.draw[0]),
                                         std::string(1, tc.draw[1]), std::string(1, tc.draw[2]), tc.key,
                                         tc.won ? "-Y-" : ""};
    for (int c = 6; c <= last; ++c)
      expected.push_back(c == tc.won ? "****" + kRed : seventy && shadedIn70(c) ? "1" + kShade : "1");
    expected.resize(std::size_t(last + 8));  // a win on the first draw is never tallied
    EXPECT_EQ(dumpedCells(chartOfDraws(tc.window, {tc.draw}))[1], expected);
  }
}

TEST(WinningTicketCharts, LabelsTakeTheTicketForm) {
  const ResultGrid grid =
      computeChart(registeredTool("frmzuliu70"), parseDrawHistory("58 7 2 7\r\n20260812001 0 4 7\r\n"));
  EXPECT_EQ(grid.textView(1, 0), "58|727");
  EXPECT_EQ(grid.textView(1, 4), "277");
  EXPECT_EQ(grid.textView(2, 0), "20260812001|047");
}

// The tally of each win: the miss count above it plus one, 0 after a win,
// nothing on the first draw; the ranges include both their ends.
TEST(WinningTicketCharts, TallyAndItsRanges) {
  // Columns 6 to 11 of the 70 tickets: "014", "024", "015", "034", "016", "035".
  std::vector<std::string> draws(650, "555");
  const std::map<int, std::string> wins = {{1, "104"},   {2, "420"},   {3, "510"},   {4, "430"},
                                           {10, "350"},  {14, "503"},  {101, "041"}, {103, "204"},
                                           {150, "601"}, {503, "105"}, {505, "340"}, {506, "043"}};
  for (const auto &[row, draw] : wins)
    draws[std::size_t(row - 1)] = draw;
  const std::vector<std::vector<std::string>> cells = dumpedCells(chartOfDraws("frmzuliu70", draws));
  const std::map<int, std::pair<std::string, int>> tallies = {
      {2, {"2", 77}},     {3, {"3", 77}},     {4, {"4", 77}},     {10, {"10", 77}},
      {14, {"4", 77}},    {101, {"100", 77}}, {103, {"101", 78}}, {150, {"150", 78}},
      {503, {"500", 81}}, {505, {"501", 82}}, {506, {"0", 77}}};
  for (int r = 1; r <= 650; ++r) {
    const std::vector<std::string> &row = cells[std::size_t(r)];
    ASSERT_EQ(row.size(), 83u);
    std::vector<std::string> expected(7);  // columns 76 to 82
    if (tallies.count(r)) {
      expected[0] = tallies.at(r).first;
      expected[std::size_t(tallies.at(r).second - 76)] = "*";
    }
    EXPECT_EQ(std::vector<std::string>(row.begin() + 76, row.end()), expected) << "row " << r;
  }
  // "035" won on rows 10 and 14: the miss counts between, in its shaded column.
  const std::vector<std::string> column11 = {"****" + kRed, "1" + kShade, "2" + kShade,
                                              "3" + kShade,  "****" + kRed, "1" + kShade};
  for (int r = 10; r <= 15; ++r)
    EXPECT_EQ(cells[std::size_t(r)][11], column11[std::size_t(r - 10)]) << r;
}

// The routines take every column from the last ticket column, as a chart of
// other tickets uses them; here tickets with a repeated digit in columns 6 and 7.
TEST(WinningTicketRoutines, ColumnsFollowTheLastTicketColumn) {
  const int last = 7;
  const DrawHistory history = parseDrawHistory("1 7 2 7\r\n2 5 5 5\r\n3 2 7 7\r\n4 1 2 3\r\n5 7 7 2\r\n");
  const int n = int(history.draws.size());
  ResultGrid grid(n + 5, last + 8);
  charts::fillTicketDrawRows(grid, history);
  grid.setText(0, 6, "277");
  grid.setText(0, 7, "555");
  charts::writeWinningTallyHeaders(grid, last);
  charts::markAndTallyWinningTickets(grid, n, last);
  QStringList rows;
  for (int r = 0; r <= n; ++r) {
    QStringList cells;
    for (int c = 0; c < grid.cols(); ++c)
      cells << grid.text(r, c);
    rows << cells.join(',');
  }
  EXPECT_EQ(rows, (QStringList{",,,,,,277,555,Winning Number Miss,0-100,101-200,201-300,301-400,401-500,>500",
                               "1|727,7,2,7,277,-Y-,****,1,,,,,,,",
                               "2|555,5,5,5,555,-Y-,1,****,2,*,,,,,",
                               "3|277,2,7,7,277,-Y-,****,1,2,*,,,,,",
                               "4|123,1,2,3,123,,1,2,,,,,,,",
                               "5|772,7,7,2,277,-Y-,****,3,2,*,,,,,"}));
}
