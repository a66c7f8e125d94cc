// The tickets-follow charts of the "Box" menu: what their ticket lists are
// chosen to be, which draws hit which tickets, the cells of single draws in
// the chart dumper's form, and the statistics under the draws.
#include "charts/drawrows.h"
#include "charts/tickets.h"
#include "charts/framework/tool.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QStringList>
#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace corvessa;
using test::chartOfDraws;
using test::dumpedCells;
using test::everyNumber;
using test::menuCaption;
using test::registeredTool;

namespace {

struct TicketChart {
  const char *window;
  int tickets;             // in columns 5 .. 4 + tickets
  bool sortedKey;          // hit by the sorted digits, repeats kept; else by the box key
  const char *mark;
  const char *gatherHeader;
  bool gatherCounted;      // miss counts and statistics in the gather column too
  bool averageIsDrawCount; // "Average" of a column without hits: N, or empty
  const char *letters;     // set letters after the gather column
  int ticketWidth, gatherWidth;
  double font;
};

const TicketChart kCharts[] = {
    {"frmqita450", 100, true, "***", "Gather", false, true, "AB", 372, 620, 7.5},
    {"frmqita2a", 30, false, "***", "Gather", true, true, "", 372, 620, 7.5},
    {"frmqita354", 54, true, "***", "Gather", false, true, "ABC", 372, 620, 7.5},
    {"frmqita2", 30, false, "***", "Gather", true, true, "", 372, 620, 7.5},
    {"frmqita1", 16, false, "*****", "", true, false, "", 496, 558, 6.75},
    {"frmqita3", 27, false, "***", "Gather", true, false, "", 372, 620, 7.5},
};

const TicketChart &ticketChart(const std::string &window) {
  for (const TicketChart &t : kCharts)
    if (window == t.window)
      return t;
  throw std::invalid_argument(window);
}

int gatherCol(const TicketChart &t) { return 5 + t.tickets; }
int lastStatCol(const TicketChart &t) { return t.gatherCounted ? gatherCol(t) : gatherCol(t) - 1; }
int letterCols(const TicketChart &t) { return *t.letters ? 3 : 0; }

// The tickets as the chart's header row shows them.
std::vector<std::string> ticketsOf(const TicketChart &t) {
  const ResultGrid grid = chartOfDraws(t.window, {});
  std::vector<std::string> tickets;
  for (int c = 5; c < gatherCol(t); ++c)
    tickets.emplace_back(grid.textView(0, c));
  return tickets;
}

std::string sortedDigits(std::string draw) {
  std::sort(draw.begin(), draw.end());
  return draw;
}

bool threeDifferent(const std::string &s) { return s[0] != s[1] && s[1] != s[2] && s[0] != s[2]; }

}  // namespace

TEST(TicketCharts, DesignsMatchTheirMenuItems) {
  for (const TicketChart &t : kCharts) {
    SCOPED_TRACE(t.window);
    const ToolDesign &d = registeredTool(t.window).design;
    EXPECT_EQ(d.caption, menuCaption(t.window));
    EXPECT_EQ(d.title, d.caption);
    EXPECT_EQ(d.cols, gatherCol(t) + 1 + letterCols(t));
    EXPECT_EQ(d.fontPoints, t.font);
    EXPECT_EQ(d.helpPage, "\\help\\N_Tickets_follow.htm");
    EXPECT_FALSE(d.control("Command1")->visible);
    EXPECT_EQ(d.control("Command2")->caption, "Exit");
    EXPECT_TRUE(d.control("Command3")->visible);

    const ResultGrid grid = chartOfDraws(t.window, {"941"});
    EXPECT_EQ(grid.fontPoints(), t.font);
    for (int c = 0; c < grid.cols(); ++c) {
      const int width = c == 0 ? 1218 : c <= 3 ? 300 : c == 4 ? 30 : c < gatherCol(t) ? t.ticketWidth
                        : c == gatherCol(t) ? t.gatherWidth : 300;
      EXPECT_EQ(grid.colWidth(c), width) << c;
    }
    EXPECT_EQ((std::vector<std::string>{std::string(grid.textView(0, 0)), std::string(grid.textView(0, 1)),
                                        std::string(grid.textView(0, 2)), std::string(grid.textView(0, 3)),
                                        std::string(grid.textView(0, 4))}),
              (std::vector<std::string>{"", "H", "T", "U", ""}));
    EXPECT_EQ(grid.textView(0, gatherCol(t)), t.gatherHeader);
    for (int c = gatherCol(t) + 1; c < grid.cols(); ++c)
      EXPECT_TRUE(grid.isEmpty(0, c)) << c;
    // One draw, the spare row, four footer rows; scrolled to the last.
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_EQ(grid.topRow(), 6);
  }
}

TEST(TicketCharts, EveryTicketIsABoxNumberAndEachListIsAllDifferent) {
  for (const TicketChart &t : kCharts) {
    SCOPED_TRACE(t.window);
    const std::vector<std::string> tickets = ticketsOf(t);
    ASSERT_EQ(int(tickets.size()), t.tickets);
    for (const std::string &ticket : tickets) {
      EXPECT_EQ(ticket.size(), 3u) << ticket;
      EXPECT_EQ(ticket, sortedDigits(ticket)) << "digits ascending";
      if (!t.sortedKey) {
        EXPECT_TRUE(threeDifferent(ticket)) << ticket;
      }
    }
    if (std::string(t.window) != "frmqita450") {
      EXPECT_EQ(std::set<std::string>(tickets.begin(), tickets.end()).size(), tickets.size());
    }
  }
  const std::vector<std::string> b30 = ticketsOf(ticketChart("frmqita2"));
  EXPECT_TRUE(std::is_sorted(b30.begin(), b30.end()));
  const std::vector<std::string> a30 = ticketsOf(ticketChart("frmqita2a"));
  EXPECT_FALSE(std::is_sorted(a30.begin(), a30.end()));
}

TEST(TicketCharts, FiftyTicketsABTwoSetsWithFourteenShared) {
  const std::vector<std::string> tickets = ticketsOf(ticketChart("frmqita450"));
  const std::vector<std::string> a(tickets.begin(), tickets.begin() + 50), b(tickets.begin() + 50, tickets.end());
  EXPECT_EQ(std::set<std::string>(a.begin(), a.end()).size(), 50u);
  EXPECT_EQ(std::set<std::string>(b.begin(), b.end()).size(), 50u);
  EXPECT_EQ(std::set<std::string>(tickets.begin(), tickets.end()).size(), 86u);

  // Set A: 43 of three different digits in ascending order, then those with a repeated digit.
  EXPECT_TRUE(std::all_of(a.begin(), a.begin() + 43, threeDifferent));
  EXPECT_TRUE(std::is_sorted(a.begin(), a.begin() + 43));
  EXPECT_EQ(a.front(), "036");
  EXPECT_EQ(a[42], "469");
  EXPECT_EQ(std::vector<std::string>(a.begin() + 43, a.end()),
            (std::vector<std::string>{"055", "166", "336", "338", "366", "388", "449"}));
  EXPECT_TRUE(std::all_of(b.begin(), b.begin() + 35, threeDifferent));
  EXPECT_EQ(std::vector<std::string>(b.begin() + 35, b.end()),
            (std::vector<std::string>{"008", "044", "116", "055", "118", "226", "119", "155", "166", "177", "366",
                                      "088", "466", "556", "099"}));

  // The tickets of both sets, with their column in set A and in set B.
  std::map<std::string, std::pair<int, int>> shared;
  for (int i = 0; i < 50; ++i)
    for (int j = 0; j < 50; ++j)
      if (a[std::size_t(i)] == b[std::size_t(j)])
        shared[a[std::size_t(i)]] = {5 + i, 55 + j};
  EXPECT_EQ(shared, (std::map<std::string, std::pair<int, int>>{
                        {"037", {6, 59}},   {"055", {48, 93}},  {"067", {13, 69}},  {"146", {17, 68}},
                        {"166", {49, 98}},  {"249", {28, 79}},  {"256", {29, 73}},  {"259", {30, 86}},
                        {"267", {31, 80}},  {"346", {34, 75}},  {"348", {36, 77}},  {"349", {37, 83}},
                        {"366", {52, 100}}, {"378", {43, 89}}}));
}

TEST(TicketCharts, EighteenTicketsABCHaveSixWithARepeatedDigit) {
  const std::vector<std::string> tickets = ticketsOf(ticketChart("frmqita354"));
  std::map<std::string, int> repeated;  // ticket -> column
  for (int i = 0; i < 54; ++i)
    if (!threeDifferent(tickets[std::size_t(i)]))
      repeated[tickets[std::size_t(i)]] = 5 + i;
  // Group A is columns 5 to 22, B 23 to 40, C 41 to 58.
  EXPECT_EQ(repeated, (std::map<std::string, int>{
                          {"055", 6}, {"077", 15}, {"338", 19}, {"455", 22}, {"229", 43}, {"445", 48}}));
  EXPECT_EQ(tickets[0], "037");
  EXPECT_EQ(tickets[18], "027");
  EXPECT_EQ(tickets[36], "058");
  EXPECT_EQ(tickets[53], "467");
}

// Three of the ten tickets that the two lists of 30 share stand in the same column in both.
TEST(TicketCharts, ThirtyTicketsAAndBShareTenTickets) {
  const std::vector<std::string> a = ticketsOf(ticketChart("frmqita2a")), b = ticketsOf(ticketChart("frmqita2"));
  std::map<std::string, std::pair<int, int>> shared;
  for (int i = 0; i < 30; ++i)
    for (int j = 0; j < 30; ++j)
      if (a[std::size_t(i)] == b[std::size_t(j)])
        shared[a[std::size_t(i)]] = {5 + i, 5 + j};
  EXPECT_EQ(shared, (std::map<std::string, std::pair<int, int>>{
                        {"035", {7, 7}},   {"038", {13, 9}},  {"057", {15, 10}}, {"058", {18, 11}},
                        {"059", {21, 12}}, {"156", {17, 17}}, {"238", {20, 23}}, {"259", {26, 25}},
                        {"378", {31, 31}}, {"459", {32, 34}}}));
}

// All 1000 draws once: each marks exactly the tickets its digits spell, the
// gather column with them, and the letter of each set it hit.
TEST(TicketCharts, EveryDrawHitsTheTicketsItsDigitsSpell) {
  const std::vector<std::string> draws = everyNumber();
  const int n = int(draws.size());
  for (const TicketChart &t : kCharts) {
    SCOPED_TRACE(t.window);
    const std::vector<std::string> tickets = ticketsOf(t);
    const ResultGrid grid = chartOfDraws(t.window, draws);
    const int setSize = *t.letters ? t.tickets / int(std::strlen(t.letters)) : t.tickets;
    int rowsHit = 0;
    for (int r = 1; r <= n; ++r) {
      const std::string sorted = sortedDigits(draws[std::size_t(r - 1)]);
      const bool canHit = t.sortedKey || threeDifferent(sorted);
      std::string letters;
      bool any = false;
      for (int c = 5; c < gatherCol(t); ++c) {
        const bool hit = canHit && tickets[std::size_t(c - 5)] == sorted;
        ASSERT_EQ(grid.textView(r, c) == t.mark, hit) << draws[std::size_t(r - 1)] << " column " << c;
        if (hit && *t.letters && letters.find(t.letters[(c - 5) / setSize]) == std::string::npos)
          letters += t.letters[(c - 5) / setSize];
        any = any || hit;
      }
      rowsHit += any;
      EXPECT_EQ(grid.textView(r, gatherCol(t)) == t.mark, any) << r;
      std::string shown;
      for (int c = gatherCol(t) + 1; c < grid.cols(); ++c)
        shown += grid.textView(r, c);
      EXPECT_EQ(shown, letters) << draws[std::size_t(r - 1)];
    }
    // A ticket is hit by the orders of its digits: 6, 3 or 1 draws.
    int expectedRows = 0;
    for (const std::string &ticket : std::set<std::string>(tickets.begin(), tickets.end()))
      expectedRows += threeDifferent(ticket) ? 6 : ticket[0] == ticket[2] ? 1 : 3;
    EXPECT_EQ(rowsHit, expectedRows);
    if (t.gatherCounted) {  // each draw hits at most one ticket
      long long sum = 0;
      for (int c = 5; c < gatherCol(t); ++c)
        sum += grid.text(n + 2, c).toLongLong();
      EXPECT_EQ(grid.text(n + 2, gatherCol(t)).toLongLong(), sum);
      EXPECT_EQ(sum, rowsHit);
    }
  }
}

// One draw each, the whole draw row as the dumper prints it with colours:
// no colour anywhere, the mark in the hit columns, a miss count of 1 in
// every other counted column.
TEST(TicketCharts, SingleDrawsCellByCell) {
  struct Case {
    const char *window, *draw, *key;
    std::vector<int> hits;
    const char *letters = "";
  };
  const Case cases[] = {
      {"frmqita450", "730", "037", {6, 59}, "AB"},
      {"frmqita450", "505", "055", {48, 93}, "AB"},
      {"frmqita450", "800", "008", {90}, "B"},
      {"frmqita450", "944", "449", {54}, "A"},
      {"frmqita450", "506", "056", {10}, "A"},
      {"frmqita450", "655", "556", {103}, "B"},
      {"frmqita450", "123", "123", {}},
      {"frmqita450", "000", "000", {}},
      {"frmqita2a", "510", "015", {5}},
      {"frmqita2a", "974", "479", {34}},
      {"frmqita2a", "505", "05", {}},
      {"frmqita2a", "777", "7", {}},
      {"frmqita2a", "123", "123", {}},
      {"frmqita354", "505", "055", {6}, "A"},
      {"frmqita354", "922", "229", {43}, "C"},
      {"frmqita354", "730", "037", {5}, "A"},
      {"frmqita354", "720", "027", {23}, "B"},
      {"frmqita354", "000", "000", {}},
      {"frmqita354", "321", "123", {}},
      {"frmqita2", "945", "459", {34}},
      {"frmqita2", "810", "018", {5}},
      {"frmqita2", "505", "05", {}},
      {"frmqita2", "777", "7", {}},
      {"frmqita2", "123", "123", {}},
      {"frmqita1", "026", "026", {5}},
      {"frmqita1", "620", "026", {5}},
      {"frmqita1", "260", "026", {5}},
      {"frmqita1", "954", "459", {20}},
      {"frmqita1", "226", "26", {}},
      {"frmqita1", "666", "6", {}},
      {"frmqita1", "137", "137", {}},
      {"frmqita3", "308", "038", {5}},
      {"frmqita3", "830", "038", {5}},
      {"frmqita3", "083", "038", {5}},
      {"frmqita3", "764", "467", {31}},
      {"frmqita3", "338", "38", {}},
      {"frmqita3", "000", "0", {}},
      {"frmqita3", "012", "012", {}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.window) + " " + tc.draw);
    const TicketChart &t = ticketChart(tc.window);
    std::vector<std::string> expected = {std::string(" 1:") + tc.draw, std::string(1, tc.draw[0]),
                                         std::string(1, tc.draw[1]), std::string(1, tc.draw[2]), tc.key};
    for (int c = 5; c < gatherCol(t); ++c)
      expected.push_back(std::count(tc.hits.begin(), tc.hits.end(), c) ? t.mark : "1");
    expected.push_back(!tc.hits.empty() ? t.mark : t.gatherCounted ? "1" : "");
    for (int i = 0; i < letterCols(t); ++i) {
      const char letter = i < int(std::strlen(t.letters)) ? t.letters[i] : 0;
      expected.push_back(letter && std::strchr(tc.letters, letter) ? std::string(1, letter) : "");
    }
    EXPECT_EQ(dumpedCells(chartOfDraws(tc.window, {tc.draw}))[1], expected);
  }
}

// The footer of one column in both forms: "Max Miss" is the largest miss
// count over all draws, the last one included, so it never sits below
// "Current Miss"; an empty history shows 0s.
TEST(TicketCharts, StatisticsUnderTheDraws) {
  // "015" is column 5 of frmqita2a, "038" column 5 of frmqita3; "555" hits nothing in either.
  struct Case {
    int draws;
    std::vector<int> hitRows;
    std::vector<std::string> footer;           // Amount, Max Miss, Current Miss
    std::string averageDrawCount, averageEmpty;  // of frmqita2a and frmqita3
  };
  const Case cases[] = {
      {10, {2}, {"1", "8", "8"}, "10", "10"},  // the longest run is the one still open
      {10, {3, 7}, {"2", "3", "3"}, "5", "5"},
      {10, {}, {"0", "10", "10"}, "10", ""},
      {10, {4, 10}, {"2", "5", "0"}, "5", "5"},
      {1, {1}, {"1", "0", "0"}, "1", "1"},
      {1, {}, {"0", "1", "1"}, "1", ""},
      {7, {1, 5}, {"2", "3", "2"}, "3", "3"},
      {7, {1, 2, 3, 4, 5, 6, 7}, {"7", "0", "0"}, "1", "1"},
      {0, {}, {"0", "0", "0"}, "0", ""},
  };
  const std::string tint = "{f=0000FF b=E7E1EF}";
  for (const Case &tc : cases) {
    for (const auto &[window, hit, average] : {std::tuple{"frmqita2a", "510", tc.averageDrawCount},
                                               std::tuple{"frmqita3", "308", tc.averageEmpty}}) {
      SCOPED_TRACE(std::string(window) + " N=" + std::to_string(tc.draws) + " first hit " +
                   (tc.hitRows.empty() ? "none" : std::to_string(tc.hitRows[0])));
      std::vector<std::string> draws(std::size_t(tc.draws), "555");
      for (int r : tc.hitRows)
        draws[std::size_t(r - 1)] = hit;
      const ResultGrid grid = chartOfDraws(window, draws);
      const int n = tc.draws;
      ASSERT_EQ(grid.rows(), n + 6);
      const std::vector<std::vector<std::string>> cells = dumpedCells(grid);
      EXPECT_EQ(grid.topRow(), n + 5);
      const std::vector<std::string> labels = {"Amount", "Max Miss", "Current Miss", "Average"};
      for (int k = 0; k < 4; ++k) {
        const std::vector<std::string> &row = cells[std::size_t(n + 2 + k)];
        EXPECT_EQ(row[0], labels[std::size_t(k)]);
        EXPECT_EQ(row[5], (k < 3 ? tc.footer[std::size_t(k)] : average) + tint) << labels[std::size_t(k)];
        for (int c = 1; c <= 4; ++c)
          EXPECT_EQ(row[std::size_t(c)], tint);
        // A column without hits: its counts run 1 to N.
        const std::string none = std::to_string(n);
        EXPECT_EQ(row[6], (k == 0 ? "0" : k < 3 ? none : window == std::string("frmqita2a") ? none : "") + tint);
      }
      if (n == 0) {
        EXPECT_EQ(grid.textView(0, 5), window == std::string("frmqita2a") ? "015" : "038");
        for (int c = 0; c < grid.cols(); ++c)
          EXPECT_TRUE(grid.isEmpty(1, c));
      }
    }
  }
}

// The footer covers the columns that get miss counts, and its tint no more.
TEST(TicketCharts, FooterColumnsAndTint) {
  const std::vector<std::string> draws = {"730", "123", "505"};
  for (const TicketChart &t : kCharts) {
    SCOPED_TRACE(t.window);
    const ResultGrid grid = chartOfDraws(t.window, draws);
    for (int r = 5; r <= 8; ++r)
      for (int c = 1; c < grid.cols(); ++c) {
        const bool covered = c <= lastStatCol(t);
        EXPECT_EQ(grid.backColor(r, c), covered ? rgb(231, 225, 239) : 0u) << r << "," << c;
        EXPECT_EQ(grid.foreColor(r, c), covered ? rgb(0, 0, 255) : 0u) << r << "," << c;
        if (r < 8 || t.averageIsDrawCount) {  // else a column without hits has an empty "Average"
          EXPECT_EQ(grid.isEmpty(r, c), c < 5 || !covered) << r << "," << c;
        }
      }
    // The gather column of the charts with set letters holds only marks.
    if (!t.gatherCounted) {
      for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(grid.textView(r, gatherCol(t)), r == 2 ? "" : t.mark);
    }
  }
}

// The key and marking routines beyond what the charts' tickets reach.
TEST(TicketMarking, KeysAndMarks) {
  for (const auto &[digits, key, boxKey] : {std::tuple{charts::Digits{5, 0, 5}, "055", "05"},
                                            std::tuple{charts::Digits{7, 7, 7}, "777", "7"},
                                            std::tuple{charts::Digits{9, 0, 4}, "049", "049"}}) {
    charts::Digits sorted = digits, boxed = digits;
    EXPECT_EQ(charts::makeSortedDrawKey(sorted), key);
    EXPECT_EQ(charts::makeBoxKey(boxed), boxKey);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
  }

  // A header that repeats a digit counts each of its positions: "112" takes
  // every key holding 1 and 2. An exact key marks each column it equals.
  ResultGrid grid(4, 9);
  for (const auto &[c, header] : {std::pair{5, "112"}, std::pair{6, "035"}, std::pair{7, "035"}})
    grid.setText(0, c, header);
  for (const auto &[r, key] : {std::pair{1, "12"}, std::pair{2, "123"}, std::pair{3, "035"}})
    grid.setText(r, 4, key);
  ResultGrid exact = grid;
  charts::markTicketHits(grid, 3, 7, 8, "***");
  charts::markTicketKeyHits(exact, 3, 7, 8, "*");
  const auto marks = [](const ResultGrid &g) {
    QStringList rows;
    for (int r = 1; r <= 3; ++r)
      rows << QStringList{g.text(r, 5), g.text(r, 6), g.text(r, 7), g.text(r, 8)}.join('|');
    return rows;
  };
  EXPECT_EQ(marks(grid), (QStringList{"***|||***", "***|||***", "|***|***|***"}));
  EXPECT_EQ(marks(exact), (QStringList{"|||", "|||", "|*|*|*"}));

  // With no draws nothing is written.
  ResultGrid none(2, 9);
  none.setText(0, 5, "035");
  none.setText(1, 4, "035");
  charts::markTicketKeyHits(none, 0, 7, 8, "*");
  charts::markTicketHits(none, 0, 7, 8, "*");
  for (int c = 5; c <= 8; ++c)
    EXPECT_TRUE(none.isEmpty(1, c));
}
