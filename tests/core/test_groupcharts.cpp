// The fixed digit-group charts of the "Winning number from" menu: their
// headers, which box numbers each group list covers, the marks and colours of
// single draws, and the miss counts and footers under the draws.
#include "charts/groupmarks.h"
#include "charts/missstats.h"
#include "charts/framework/tool.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace corvessa;
using test::chartOfDraws;

namespace {

constexpr Rgb kRed = rgb(255, 0, 0);

struct GroupTool {
  const char *window;
  const char *mark;
  int groupLength;  // 0: mixed lengths
  int groupWidth;   // twips
  int groups;       // how many
  const char *first, *last;  // the first and last group in column order
};

// The lists themselves are read from the charts' header rows; the tests below
// check the properties that the lists are chosen for.
const GroupTool kTools[] = {
    {"frmzuxuan1", "*****", 5, 496, 17, "01249", "34678"},
    {"frmzuxuan4", "****", 4, 434, 30, "0126", "5689"},
    {"frmzuxuan6", "*****", 6, 620, 10, "012346", "345679"},
    {"frmzuxuan7", "*****", 7, 682, 6, "0123489", "2356789"},
    {"frm6lianhao", "*****", 6, 620, 10, "012345", "901234"},
    {"frmzuxuanqt", "******", 0, 620, 3, "036925", "1458"},
    {"frmlingleizu6", "****", 0, 496, 20, "1470", "03698"},
};

const GroupTool &groupTool(const std::string &window) {
  for (const GroupTool &t : kTools)
    if (window == t.window)
      return t;
  throw std::invalid_argument(window);
}

int lastCol(const GroupTool &t) { return 4 + t.groups; }

// The groups as the chart's header row shows them.
QStringList groupsOf(const GroupTool &t) {
  const ResultGrid grid = computeChart(test::registeredTool(t.window), DrawHistory{});
  QStringList groups;
  for (int c = 5; c < grid.cols(); ++c)
    groups << grid.text(0, c);
  return groups;
}

// All 220 box numbers: the 120 of three different digits (rows 1-120, digits
// not in ascending order), the 90 with two equal digits, the 10 triples.
std::vector<std::string> allBoxNumbers() {
  std::vector<std::string> out;
  for (char a = '0'; a <= '9'; ++a)
    for (char b = a + 1; b <= '9'; ++b)
      for (char c = b + 1; c <= '9'; ++c)
        out.push_back({c, a, b});
  for (char a = '0'; a <= '9'; ++a)
    for (char b = '0'; b <= '9'; ++b)
      if (a != b)
        out.push_back({b, a, a});
  for (char a = '0'; a <= '9'; ++a)
    out.push_back({a, a, a});
  return out;
}

std::string sortedSet(std::string digits) {
  std::sort(digits.begin(), digits.end());
  digits.erase(std::unique(digits.begin(), digits.end()), digits.end());
  return digits;
}

std::vector<int> markedCols(const ResultGrid &grid, int row, const GroupTool &t) {
  std::vector<int> cols;
  for (int c = 5; c <= lastCol(t); ++c)
    if (grid.text(row, c) == t.mark)
      cols.push_back(c);
  return cols;
}

std::vector<int> range(int first, int last) {
  std::vector<int> out;
  for (int c = first; c <= last; ++c)
    out.push_back(c);
  return out;
}

// For each of the 220 box numbers: the columns it marks, by its sorted distinct digits.
struct Coverage {
  std::map<std::string, std::vector<int>> sixWay, threeWay, triple;
  std::map<int, int> sixWayHistogram;  // marks in a row -> rows
  const ResultGrid grid;
};

Coverage coverage(const GroupTool &t) {
  const std::vector<std::string> draws = allBoxNumbers();
  Coverage cov{{}, {}, {}, {}, chartOfDraws(t.window, draws)};
  for (int r = 1; r <= int(draws.size()); ++r) {
    const std::string key = sortedSet(draws[std::size_t(r - 1)]);
    const std::vector<int> cols = markedCols(cov.grid, r, t);
    if (key.size() == 3) {
      cov.sixWay[key] = cols;
      ++cov.sixWayHistogram[int(cols.size())];
    } else if (key.size() == 2) {
      EXPECT_TRUE(cov.threeWay.count(key) == 0 || cov.threeWay[key] == cols) << t.window << " " << key;
      cov.threeWay[key] = cols;
    } else {
      cov.triple[key] = cols;
    }
  }
  return cov;
}

std::set<std::string> setsWithMarks(const std::map<std::string, std::vector<int>> &m, std::size_t marks) {
  std::set<std::string> out;
  for (const auto &[key, cols] : m)
    if (cols.size() == marks)
      out.insert(key);
  return out;
}

bool noneMarked(const std::map<std::string, std::vector<int>> &m) { return setsWithMarks(m, 0).size() == m.size(); }

}  // namespace

TEST(GroupCharts, DesignsMatchTheirMenuItems) {
  for (const GroupTool &t : kTools) {
    SCOPED_TRACE(t.window);
    const ToolDesign &d = test::registeredTool(t.window).design;
    EXPECT_EQ(d.caption, test::menuCaption(t.window));
    EXPECT_EQ(d.title, QString(d.caption).remove('"'));
    EXPECT_EQ(d.cols, lastCol(t) + 1);
    EXPECT_EQ(d.fontPoints, 6.75);
    EXPECT_TRUE(d.helpPage.isEmpty());
    // None shows a "Help" button; only frm6lianhao places a hidden one.
    const ControlDesign *help = d.control("Command3");
    EXPECT_EQ(help != nullptr, QString(t.window) == "frm6lianhao");
    if (help) {
      EXPECT_FALSE(help->visible);
    }
  }
  // Same caption, same title; only the groups tell them apart.
  EXPECT_EQ(test::registeredTool("frmzuxuan6").design.title, test::registeredTool("frm6lianhao").design.title);
}

TEST(GroupCharts, HeaderRowWidthsAndDrawRows) {
  for (const GroupTool &t : kTools) {
    SCOPED_TRACE(t.window);
    const ResultGrid grid = chartOfDraws(t.window, {"941", "727"});
    QStringList header;
    for (int c = 0; c < grid.cols(); ++c)
      header << grid.text(0, c);
    EXPECT_EQ(header.mid(0, 5), QStringList({"", "H", "T", "U", ""}));
    EXPECT_EQ(header.size(), 5 + t.groups);
    EXPECT_EQ(header[5], t.first);
    EXPECT_EQ(header.last(), t.last);
    for (int c = 0; c < grid.cols(); ++c) {
      EXPECT_EQ(grid.colWidth(c), c == 0 ? 1218 : c <= 3 ? 300 : c == 4 ? 30 : t.groupWidth) << c;
      EXPECT_EQ(grid.backColor(0, c), 0u) << c;
    }
    EXPECT_EQ(grid.fontPoints(), 6.75);
    EXPECT_EQ((QStringList{grid.text(1, 0), grid.text(1, 1), grid.text(1, 2), grid.text(1, 3), grid.text(1, 4)}),
              (QStringList{" 1:941", "9", "4", "1", "149"}));
    EXPECT_EQ(grid.text(2, 4), "27");
    // Two draws, the spare row, four footer rows; scrolled to the last.
    EXPECT_EQ(grid.rows(), 2 + 6);
    EXPECT_EQ(grid.topRow(), 2 + 5);
    for (int c = 0; c < grid.cols(); ++c)
      EXPECT_TRUE(grid.isEmpty(3, c)) << "spare row, column " << c;
  }
}

TEST(GroupCharts, GroupListsAreWellFormed) {
  for (const GroupTool &t : kTools) {
    SCOPED_TRACE(t.window);
    for (const QString &g : groupsOf(t)) {
      EXPECT_EQ(std::set<QChar>(g.begin(), g.end()).size(), std::size_t(g.size())) << g.toStdString();
      if (t.groupLength) {
        EXPECT_EQ(g.size(), t.groupLength) << g.toStdString();
      }
    }
  }
  for (const char *w : {"frmzuxuan4", "frmzuxuan6", "frmzuxuan7"}) {
    const QStringList groups = groupsOf(groupTool(w));
    EXPECT_TRUE(std::is_sorted(groups.begin(), groups.end())) << w;
    for (const QString &g : groups)
      EXPECT_TRUE(std::is_sorted(g.begin(), g.end())) << w << " " << g.toStdString();
  }
  const QStringList five = groupsOf(groupTool("frmzuxuan1"));
  EXPECT_TRUE(std::is_sorted(five.begin(), five.end() - 1));
  EXPECT_EQ(five.mid(15), (QStringList{"34689", "34678"}));
  for (const QString &g : five)
    EXPECT_TRUE(std::is_sorted(g.begin(), g.end())) << g.toStdString();

  // Run k is k, k+1, ..., k+5 modulo 10.
  const QStringList runs = groupsOf(groupTool("frm6lianhao"));
  for (int k = 0; k < 10; ++k)
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(runs[k][i], QChar('0' + (k + i) % 10)) << k;

  // frmzuxuan6: every digit lies in six of the ten groups.
  for (char digit = '0'; digit <= '9'; ++digit)
    EXPECT_EQ(groupsOf(groupTool("frmzuxuan6")).filter(QChar(digit)).size(), 6) << digit;

  // frmlingleizu6: a whole class by remainder modulo 3, then one extra digit.
  const QStringList mixed = groupsOf(groupTool("frmlingleizu6"));
  const struct {
    int first;
    const char *cls, *extras;
  } blocks[] = {{0, "147", "0369258"}, {7, "258", "0369147"}, {14, "0369", "147258"}};
  for (const auto &b : blocks)
    for (int i = 0; b.extras[i]; ++i)
      EXPECT_EQ(mixed[b.first + i], QString(b.cls) + b.extras[i]);
  EXPECT_EQ(mixed.size(), 20);

  const QStringList qt = groupsOf(groupTool("frmzuxuanqt"));
  for (QChar digit : qt[2])
    EXPECT_TRUE(qt[1].contains(digit));  // a mark in column 7 always comes with one in column 6
}

// Across all 220 box numbers: 3 Way Box draws and triples are never marked by
// the 6 Way Box charts, whose groups cover the 120 sets as stated.
TEST(GroupCharts, SixWayCoverageOfTheFixedLists) {
  for (const GroupTool &t : kTools) {
    if (std::string(t.window) == "frmzuxuanqt")
      continue;
    SCOPED_TRACE(t.window);
    const Coverage cov = coverage(t);
    EXPECT_TRUE(noneMarked(cov.threeWay));
    EXPECT_TRUE(noneMarked(cov.triple));
    EXPECT_EQ(cov.sixWay.size(), 120u);
  }

  {  // every set of three different digits in exactly one group
    const GroupTool &t = groupTool("frmzuxuan4");
    const Coverage cov = coverage(t);
    EXPECT_EQ(cov.sixWayHistogram, (std::map<int, int>{{1, 120}}));
    int amount = 0;
    for (int c = 5; c <= lastCol(t); ++c)
      amount += cov.grid.text(220 + 2, c).toInt();
    EXPECT_EQ(amount, 120);
  }
  {
    const Coverage cov = coverage(groupTool("frmzuxuan1"));
    EXPECT_EQ(setsWithMarks(cov.sixWay, 0), (std::set<std::string>{"358", "567", "568", "578"}));
    EXPECT_EQ(setsWithMarks(cov.sixWay, 4), (std::set<std::string>{"016", "159", "346", "378"}));
    EXPECT_LE(cov.sixWayHistogram.rbegin()->first, 4);
  }
  {
    const Coverage cov = coverage(groupTool("frmzuxuan6"));
    EXPECT_EQ(cov.sixWayHistogram, (std::map<int, int>{{1, 60}, {2, 40}, {3, 20}}));
    EXPECT_EQ(setsWithMarks(cov.sixWay, 3),
              (std::set<std::string>{"012", "013", "019", "029", "078", "089", "123", "124", "189", "234",
                                     "235", "345", "346", "456", "457", "567", "568", "678", "679", "789"}));
  }
  {
    const Coverage cov = coverage(groupTool("frmzuxuan7"));
    EXPECT_EQ(cov.sixWayHistogram, (std::map<int, int>{{1, 51}, {2, 50}, {3, 18}, {5, 1}}));
    EXPECT_EQ(cov.sixWay.at("567"), range(6, 10));  // all groups but "0123489"
  }
  {  // a set whose shortest wrapping run spans d + 1 digits lies in 6 - d runs
    const Coverage cov = coverage(groupTool("frm6lianhao"));
    for (const auto &[key, cols] : cov.sixWay) {
      const int a = key[0] - '0', b = key[1] - '0', c = key[2] - '0';
      const int d = 10 - std::max({b - a, c - b, a + 10 - c});
      EXPECT_EQ(int(cols.size()), std::max(0, 6 - d)) << key;
    }
    EXPECT_EQ(cov.sixWayHistogram.at(4), 10);
    EXPECT_EQ(cov.sixWayHistogram.at(0), 20);
    EXPECT_EQ(cov.sixWay.at("089"), range(10, 13)) << "runs on from 9 to 0";
  }
  {  // by the 012 class of the digits
    const Coverage cov = coverage(groupTool("frmlingleizu6"));
    const std::map<int, std::pair<int, std::string>> blocks = {{1, {5, "0369258"}}, {2, {12, "0369147"}},
                                                               {0, {19, "147258"}}};
    int oneGroup = 0, noGroup = 0;
    for (const auto &[key, cols] : cov.sixWay) {
      std::map<int, std::string> byClass;
      for (char ch : key)
        byClass[(ch - '0') % 3] += ch;
      std::vector<int> expected;
      if (byClass.size() == 1) {
        const auto &[first, extras] = blocks.at(byClass.begin()->first);
        expected = range(first, first + int(extras.size()) - 1);
      } else if (byClass.size() == 2) {
        const auto pair = byClass.begin()->second.size() == 2 ? byClass.begin() : std::next(byClass.begin());
        const char third = (pair == byClass.begin() ? std::next(byClass.begin()) : byClass.begin())->second[0];
        const auto &[first, extras] = blocks.at(pair->first);
        expected = {first + int(extras.find(third))};
        ++oneGroup;
      } else {
        ++noGroup;
      }
      EXPECT_EQ(cols, expected) << key;
    }
    EXPECT_EQ(oneGroup, 78);
    EXPECT_EQ(noGroup, 36);
    EXPECT_EQ(cov.sixWay.at("147"), range(5, 11));
    EXPECT_EQ(cov.sixWay.at("258"), range(12, 18));
    for (const char *set : {"036", "039", "069", "369"})
      EXPECT_EQ(cov.sixWay.at(set), range(19, 24)) << set;
  }
}

TEST(GroupCharts, BoxCoverageOfMixedGroups) {
  const GroupTool &t = groupTool("frmzuxuanqt");
  const Coverage cov = coverage(t);
  EXPECT_EQ(cov.sixWayHistogram, (std::map<int, int>{{0, 80}, {1, 36}, {2, 4}}));
  EXPECT_EQ(setsWithMarks(cov.sixWay, 2), (std::set<std::string>{"145", "148", "158", "458"}));
  EXPECT_EQ(setsWithMarks(cov.threeWay, 0).size(), 16u);
  EXPECT_EQ(setsWithMarks(cov.threeWay, 1).size(), 22u);
  EXPECT_EQ(setsWithMarks(cov.threeWay, 2), (std::set<std::string>{"14", "15", "18", "45", "48", "58", "25"}));
  EXPECT_TRUE(noneMarked(cov.triple));
  // 6 Way Box hits are plain, 3 Way Box hits red, everything else uncoloured.
  for (int r = 1; r <= 220; ++r)
    for (int c = 5; c <= 7; ++c) {
      const bool red = cov.grid.text(r, c) == t.mark && cov.grid.textView(r, 4).size() == 2;
      EXPECT_EQ(cov.grid.backColor(r, c), red ? kRed : 0u) << r << "," << c;
      EXPECT_EQ(cov.grid.foreColor(r, c), 0u);
    }
}

// One draw each: the marked cells, their colour, and a miss count of 1 in every other group cell.
TEST(GroupCharts, SingleDrawsCellByCell) {
  struct Case {
    const char *window, *draw;
    std::vector<int> marked;
    bool red = false;
  };
  const Case cases[] = {
      {"frmzuxuan1", "941", {5, 17}},
      {"frmzuxuan1", "149", {5, 17}},
      {"frmzuxuan1", "123", {13, 14}},
      {"frmzuxuan1", "727", {}},
      {"frmzuxuan1", "555", {}},
      {"frmzuxuan4", "941", {23}},
      {"frmzuxuan4", "123", {17}},
      {"frmzuxuan4", "727", {}},
      {"frmzuxuan4", "555", {}},
      {"frmzuxuan6", "941", {7}},
      {"frmzuxuan6", "149", {7}},
      {"frmzuxuan6", "123", {5, 6, 11}},
      {"frmzuxuan6", "567", {10, 12, 14}},
      {"frmzuxuan6", "727", {}},
      {"frmzuxuan6", "555", {}},
      {"frmzuxuan7", "941", {5}},
      {"frmzuxuan7", "123", {5, 9}},
      {"frmzuxuan7", "567", {6, 7, 8, 9, 10}},
      {"frmzuxuan7", "727", {}},
      {"frmzuxuan7", "555", {}},
      {"frm6lianhao", "941", {14}},
      {"frm6lianhao", "123", {5, 6, 13, 14}},
      {"frm6lianhao", "567", {7, 8, 9, 10}},
      {"frm6lianhao", "901", {11, 12, 13, 14}},
      {"frm6lianhao", "026", {}},
      {"frm6lianhao", "048", {}},
      {"frm6lianhao", "258", {}},
      {"frm6lianhao", "369", {}},
      {"frm6lianhao", "727", {}},
      {"frm6lianhao", "555", {}},
      {"frmzuxuanqt", "551", {6, 7}, true},
      {"frmzuxuanqt", "541", {6, 7}},
      {"frmzuxuanqt", "941", {}},
      {"frmzuxuanqt", "222", {}},
      {"frmlingleizu6", "714", range(5, 11)},
      {"frmlingleizu6", "963", range(19, 24)},
      {"frmlingleizu6", "479", {8}},
      {"frmlingleizu6", "301", {19}},
      {"frmlingleizu6", "123", {}},
      {"frmlingleizu6", "114", {}},
      {"frmlingleizu6", "222", {}},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(std::string(k.window) + " " + k.draw);
    const GroupTool &t = groupTool(k.window);
    const ResultGrid grid = chartOfDraws(k.window, {k.draw});
    for (int c = 5; c <= lastCol(t); ++c) {
      const bool hit = std::count(k.marked.begin(), k.marked.end(), c) > 0;
      EXPECT_EQ(grid.text(1, c), hit ? QString(t.mark) : QString("1")) << "column " << c;
      EXPECT_EQ(grid.backColor(1, c), hit && k.red ? kRed : 0u) << "column " << c;
      EXPECT_EQ(grid.foreColor(1, c), 0u) << "column " << c;
    }
  }
}

// Max Miss reads every draw row, the last one included, so an open run longer
// than every earlier one shows beside an equal Current Miss.
TEST(GroupCharts, MissCountsAndFooters) {
  const GroupTool &t = groupTool("frmzuxuan4");
  // "012" and "126" hit only "0126" (column 5), "015" only "0159" (7), "017" only "0178" (8);
  // "555" hits nothing, and "0134" (6) is never hit.
  const ResultGrid grid = chartOfDraws(t.window, {"555", "015", "012", "555", "555", "555", "126", "555", "555", "017"});
  const int n = 10;
  struct Column {
    int col;
    const char *cells;  // rows 1..10
    const char *footer;  // Amount, Max Miss, Current Miss, Average
  };
  const Column columns[] = {
      {5, "1 2 **** 1 2 3 **** 1 2 3", "2 3 3 5"},
      {6, "1 2 3 4 5 6 7 8 9 10", "0 10 10 "},
      {7, "1 **** 1 2 3 4 5 6 7 8", "1 8 8 10"},
      {8, "1 2 3 4 5 6 7 8 9 ****", "1 9 0 10"},
  };
  for (const Column &col : columns) {
    SCOPED_TRACE(col.col);
    QStringList cells, footer;
    for (int r = 1; r <= n; ++r)
      cells << grid.text(r, col.col);
    for (int r = n + 2; r <= n + 5; ++r)
      footer << grid.text(r, col.col);
    EXPECT_EQ(cells.join(' '), col.cells);
    EXPECT_EQ(footer.join(' '), col.footer);
  }
  EXPECT_EQ((QStringList{grid.text(n + 2, 0), grid.text(n + 3, 0), grid.text(n + 4, 0), grid.text(n + 5, 0)}),
            (QStringList{"Amount", "Max Miss", "Current Miss", "Average"}));
  EXPECT_EQ(grid.rows(), n + 6);
  EXPECT_EQ(grid.topRow(), n + 5);
  // The footer is tinted over columns 1..L, never column 0 nor the spare row.
  for (int r = n + 1; r <= n + 5; ++r)
    for (int c = 0; c < grid.cols(); ++c) {
      const bool tinted = r >= n + 2 && c >= 1;
      EXPECT_EQ(grid.backColor(r, c), tinted ? charts::kFooterBack : 0u) << r << "," << c;
      EXPECT_EQ(grid.foreColor(r, c), tinted ? charts::kFooterFore : 0u) << r << "," << c;
    }
}

// A red 3 Way Box hit counts and ends a miss run like a plain one.
TEST(GroupCharts, RedHitsCountLikePlainOnes) {
  const ResultGrid grid = chartOfDraws("frmzuxuanqt", {"551", "222", "541", "222", "222"});
  const int n = 5;
  QStringList cells, footer;
  for (int r = 1; r <= n; ++r)
    cells << grid.text(r, 6);
  for (int r = n + 2; r <= n + 5; ++r)
    footer << grid.text(r, 6);
  EXPECT_EQ(cells.join(' '), "****** 1 ****** 1 2");
  EXPECT_EQ(footer.join(' '), "2 2 2 2");
  EXPECT_EQ(grid.backColor(1, 6), kRed);
  EXPECT_EQ(grid.backColor(3, 6), 0u);
}

TEST(GroupCharts, EmptyHistory) {
  for (const GroupTool &t : kTools) {
    SCOPED_TRACE(t.window);
    const ResultGrid grid = chartOfDraws(t.window, {});
    EXPECT_EQ(grid.rows(), 6);  // header, spare row, four footer rows
    EXPECT_EQ(grid.text(0, 5), t.first);
    for (int c = 0; c < grid.cols(); ++c)
      EXPECT_TRUE(grid.isEmpty(1, c)) << c;
    for (int c = 5; c <= lastCol(t); ++c) {
      EXPECT_EQ((QStringList{grid.text(2, c), grid.text(3, c), grid.text(4, c), grid.text(5, c)}),
                (QStringList{"0", "0", "0", ""}))
          << c;
    }
  }
}

// Each red 3 Way Box hit becomes the grid's current cell, so the last one
// painted keeps it; a chart without such hits leaves it on the spare row.
TEST(GroupCharts, CurrentCellAfterTheLoad) {
  struct Case {
    const char *window;
    std::vector<std::string> draws;
    int row, col;
  };
  const Case cases[] = {
      {"frmzuxuanqt", {"551", "222", "541"}, 1, 7},
      {"frmzuxuanqt", {"551", "252", "941"}, 2, 6},  // row by row, then column by column
      {"frmzuxuanqt", {"541", "222"}, 3, 1},
      {"frmzuxuanqt", {}, 1, 1},
      {"frmzuxuan1", {"941", "551"}, 3, 1},
      {"frmlingleizu6", {"714"}, 2, 1},
  };
  for (const Case &k : cases) {
    const ResultGrid grid = chartOfDraws(k.window, k.draws);
    EXPECT_EQ(std::make_pair(grid.currentRow(), grid.currentCol()), std::make_pair(k.row, k.col))
        << k.window << " " << k.draws.size() << " draws";
  }
}
