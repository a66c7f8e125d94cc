// The digit-set charts of the "Digit" menu: the set headers, the marks of
// single draws, the number of marks a draw gets by how many different digits
// it holds, over every number from 000 to 999, and the windows around them;
// then the two "Other recommend digits" windows, whose groups are fixed.
#include "charts/framework/chartdump.h"
#include "charts/framework/tool.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QStringList>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace corvessa;
using test::chartOfDraws;
using test::everyNumberOnce;

namespace {

ResultGrid chartOfEveryNumber(const char *window) {
  return computeChart(test::registeredTool(window), everyNumberOnce());
}

int distinctDigits(const ResultGrid &grid, int row) {
  return int(std::set<QString>{grid.text(row, 1), grid.text(row, 2), grid.text(row, 3)}.size());
}

struct SetChart {
  const char *window;
  int setSize, sets, width;
  double font;
};
const SetChart kCharts[] = {
    {"frmdanma40", 4, 210, 480, 7.5},  {"frmdanma4", 4, 210, 480, 7.5},   {"frmdanma30", 3, 120, 420, 7.5},
    {"frmdanma3c2", 3, 120, 420, 7.5}, {"frmdanma313", 3, 120, 420, 7.5}, {"frmdanma212", 2, 45, 300, 6.75},
};

}  // namespace

TEST(DigitSetCharts, HeadersAreEverySetInAscendingOrder) {
  for (const SetChart &t : kCharts) {
    SCOPED_TRACE(t.window);
    const ResultGrid grid = computeChart(test::registeredTool(t.window), DrawHistory{});
    ASSERT_EQ(grid.cols(), 5 + t.sets);
    EXPECT_EQ((QStringList{grid.text(0, 0), grid.text(0, 1), grid.text(0, 2), grid.text(0, 3), grid.text(0, 4)}),
              (QStringList{"", "H", "T", "U", ""}));
    // Each header is a set of different digits in ascending order, and each
    // column's header comes after the one before it, so the columns hold
    // every set once.
    for (int c = 5; c < grid.cols(); ++c) {
      const QString set = grid.text(0, c);
      ASSERT_EQ(set.size(), t.setSize) << c;
      for (int i = 1; i < set.size(); ++i)
        EXPECT_LT(set[i - 1], set[i]) << set.toStdString();
      if (c > 5) {
        EXPECT_LT(grid.text(0, c - 1), set) << c;
      }
    }
    // Without draws: the header row and the blank spare row.
    EXPECT_EQ(grid.rows(), 2);
    for (int c = 0; c < grid.cols(); ++c)
      EXPECT_TRUE(grid.isEmpty(1, c)) << c;
  }
  // Columns named in the window descriptions.
  struct Column {
    const char *window;
    int col;
    const char *set;
  };
  const Column columns[] = {
      {"frmdanma40", 5, "0123"},   {"frmdanma40", 6, "0124"},   {"frmdanma40", 18, "0145"},
      {"frmdanma40", 200, "4567"}, {"frmdanma4", 214, "6789"},  {"frmdanma30", 5, "012"},
      {"frmdanma30", 6, "013"},    {"frmdanma30", 12, "019"},   {"frmdanma3c2", 17, "027"},
      {"frmdanma3c2", 41, "123"},  {"frmdanma3c2", 81, "257"},  {"frmdanma313", 105, "456"},
      {"frmdanma313", 124, "789"}, {"frmdanma212", 5, "01"},    {"frmdanma212", 9, "05"},
      {"frmdanma212", 13, "09"},   {"frmdanma212", 14, "12"},   {"frmdanma212", 22, "23"},
      {"frmdanma212", 26, "27"},   {"frmdanma212", 35, "45"},   {"frmdanma212", 41, "57"},
      {"frmdanma212", 49, "89"},
  };
  for (const Column &c : columns)
    EXPECT_EQ(computeChart(test::registeredTool(c.window), DrawHistory{}).text(0, c.col), c.set) << c.window << " " << c.col;
}

TEST(DigitSetCharts, SingleDrawsAsTheWindowsDescribeThem) {
  struct Case {
    const char *window, *draw;
    int col;
    const char *text;
  };
  const Case cases[] = {
      // 3 1 2: the box key 123.
      {"frmdanma40", "312", 200, " 0"},  // "4567"
      {"frmdanma40", "312", 5, ""},      // "0123"
      {"frmdanma40", "312", 18, ""},     // "0145"
      {"frmdanma4", "312", 5, "$"},      // three digits of "0123"
      {"frmdanma4", "312", 6, "$"},      // two of "0124"
      {"frmdanma4", "312", 18, ""},      // one of "0145"
      {"frmdanma3c2", "312", 41, "$"},   // "123"
      {"frmdanma3c2", "312", 5, "$"},    // "012"
      {"frmdanma3c2", "312", 6, "$"},    // "013"
      {"frmdanma3c2", "312", 12, ""},    // "019"
      {"frmdanma313", "312", 12, "$"},
      {"frmdanma313", "312", 105, ""},   // "456"
      {"frmdanma30", "312", 105, " 0"},
      {"frmdanma30", "312", 12, ""},
      {"frmdanma212", "312", 14, "$"},   // "12"
      {"frmdanma212", "312", 15, "$"},   // "13"
      {"frmdanma212", "312", 22, "$"},   // "23"
      {"frmdanma212", "312", 5, " *"},   // "01"
      {"frmdanma212", "312", 35, ""},    // "45"
      // 7 2 7: the box key 27.
      {"frmdanma3c2", "727", 17, "$"},   // "027"
      {"frmdanma3c2", "727", 81, "$"},   // "257"
      {"frmdanma212", "727", 26, "$"},   // "27"
      {"frmdanma212", "727", 27, " *"},  // "28"
      // 5 5 5: the box key 5.
      {"frmdanma212", "555", 9, " *"},   // "05"
      {"frmdanma212", "555", 41, " *"},  // "57"
      {"frmdanma313", "555", 105, "$"},  // "456"
      {"frmdanma40", "555", 5, " 0"},    // "0123"
      {"frmdanma40", "555", 23, ""},     // "0156"
      // 9 0 4: the box key 049.
      {"frmdanma3c2", "904", 30, "$"},   // "049"
  };
  for (const Case &c : cases) {
    const ResultGrid grid = chartOfDraws(c.window, {c.draw});
    EXPECT_EQ(grid.text(1, c.col), c.text) << c.window << " " << c.draw << " under " << grid.text(0, c.col).toStdString();
  }
}

TEST(DigitSetCharts, MarksOfEveryNumberByItsDistinctDigits) {
  // For each window: its marks, and how many cells of a draw row get each of
  // them for a draw of 3, 2 and 1 different digits.
  struct Case {
    const char *window;
    std::map<QString, std::vector<int>> marks;
  };
  const Case cases[] = {
      {"frmdanma40", {{" 0", {35, 70, 126}}}},
      {"frmdanma4", {{"$", {70, 28, 0}}}},
      {"frmdanma30", {{" 0", {35, 56, 84}}}},
      {"frmdanma3c2", {{"$", {22, 8, 0}}}},
      {"frmdanma313", {{"$", {85, 64, 36}}}},
      {"frmdanma212", {{" *", {21, 16, 9}}, {"$", {3, 1, 0}}}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.window);
    const ResultGrid grid = chartOfEveryNumber(c.window);
    ASSERT_EQ(grid.rows(), 1002);
    for (int r = 1; r <= 1000; ++r) {
      const int d = distinctDigits(grid, r);
      std::map<QString, int> counted;
      for (int c2 = 5; c2 < grid.cols(); ++c2)
        if (!grid.isEmpty(r, c2))
          ++counted[grid.text(r, c2)];
      std::map<QString, int> expected;
      for (const auto &[mark, byDistinct] : c.marks)
        if (byDistinct[std::size_t(3 - d)] > 0)
          expected[mark] = byDistinct[std::size_t(3 - d)];
      ASSERT_EQ(counted, expected) << "row " << r << " " << grid.text(r, 0).toStdString();
    }
    for (int col = 0; col < grid.cols(); ++col)
      EXPECT_TRUE(grid.isEmpty(1001, col));
  }

  // The sets that hold none of a draw's digits and those that hold some are complements.
  const ResultGrid none = chartOfEveryNumber("frmdanma30"), some = chartOfEveryNumber("frmdanma313");
  for (int r = 1; r <= 1000; ++r)
    for (int c = 5; c <= 124; ++c)
      ASSERT_NE(none.isEmpty(r, c), some.isEmpty(r, c)) << r << " " << c;
}

TEST(DigitSetCharts, Windows) {
  const std::map<std::string, std::pair<const char *, const char *>> titles = {
      {"frmdanma40", {"0 digits from 4 digits", "\\help\\0_digits_from_4_digits.htm"}},
      {"frmdanma4", {"2 digits from 4 digits", "\\help\\2_digits_from_4_digits.htm"}},
      {"frmdanma30", {"0 digits from 3 digits", "\\help\\0_digits_from_3_digits.htm"}},
      {"frmdanma3c2", {"2 digits from 3 digits", "\\help\\2_digits_from_3_digits.htm"}},
      {"frmdanma313", {"1-3 digits from 3 digits", "\\help\\1-3_digits_from_3_digits.htm"}},
      {"frmdanma212", {"1-2 digits from 2 digits", "\\help\\1-2_digits_from_2_digits.htm"}},
  };
  for (const SetChart &t : kCharts) {
    SCOPED_TRACE(t.window);
    const ToolDesign &d = test::registeredTool(t.window).design;
    EXPECT_EQ(d.title, titles.at(t.window).first);
    EXPECT_EQ(d.caption, d.title);
    EXPECT_EQ(d.helpPage, titles.at(t.window).second);
    EXPECT_EQ(d.cols, 5 + t.sets);
    EXPECT_EQ(d.fontPoints, t.font);
    EXPECT_EQ(d.control("Command2")->caption, "Exit");
    EXPECT_EQ(d.control("Command3")->caption, "Help");
    EXPECT_FALSE(d.control("Command1")->visible);

    const ResultGrid grid = chartOfDraws(t.window, {"312", "727"});
    std::vector<int> widths;
    for (int c = 0; c < grid.cols(); ++c)
      widths.push_back(grid.colWidth(c));
    std::vector<int> expected{1290, 300, 300, 300, 30};
    expected.resize(std::size_t(grid.cols()), t.width);
    EXPECT_EQ(widths, expected);
    EXPECT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.topRow(), 3);
    EXPECT_EQ((std::pair{grid.currentRow(), grid.currentCol()}), (std::pair{3, 1}));
    EXPECT_EQ((QStringList{grid.text(2, 0), grid.text(2, 1), grid.text(2, 2), grid.text(2, 3), grid.text(2, 4)}),
              (QStringList{" 2:727", "7", "2", "7", "27"}));
  }
}

namespace {

// The cells of a row from column 5 on, separated by "|".
std::string marksOf(const ResultGrid &grid, int row) {
  std::string out;
  for (int c = 5; c < grid.cols(); ++c) {
    if (c > 5)
      out += '|';
    out += grid.text(row, c).toStdString();
  }
  return out;
}

}  // namespace

TEST(OtherRecommendDigits, FixedGroupsOfSingleDraws) {
  struct Case {
    const char *window, *draw, *marks;
  };
  const Case cases[] = {
      // 126|158|258|349|379|039|047|568|Y/N
      {"frmz3b2", "126", "$| *| *||||| *|   -Y-"},
      {"frmz3b2", "558", "|$|$|||||$|   -Y-"},
      {"frmz3b2", "349", "|||$|$|$| *||   -Y-"},
      {"frmz3b2", "000", "||||| *| *||"},
      // 012|123|234|345|456|567|678|789|890|901|(gap)|0369|147|258
      {"frmdanma3", "123", "$|$|$| *|||||| *|| *| *| *"},
      {"frmdanma3", "059", " *||| *| *| *|| *|$|$||$|| *"},
      {"frmdanma3", "369", "| *| *| *| *| *| *| *| *| *||$||"},
      {"frmdanma3", "444", "|| *| *| *|||||||| *|"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(marksOf(chartOfDraws(c.window, {c.draw}), 1), c.marks) << c.window << " " << c.draw;

  // The three classes by remainder hold every digit between them.
  const ResultGrid serial = chartOfEveryNumber("frmdanma3");
  for (int r = 1; r <= 1000; ++r)
    EXPECT_FALSE(serial.isEmpty(r, 16) && serial.isEmpty(r, 17) && serial.isEmpty(r, 18)) << r;
}

TEST(OtherRecommendDigits, Windows) {
  struct Case {
    const char *window, *title, *helpPage, *headers;
    std::vector<int> setWidths;  // columns 5 on; -1: the grid's default
  };
  const Case cases[] = {
      {"frmz3b2", "Other recommend digits-[2/3 formula]", "\\help\\Other_recommend_digits-23_formula.htm",
       "126|158|258|349|379|039|047|568|Y/N", {420, 420, 420, 420, 420, 420, 420, 420, -1}},
      {"frmdanma3", "Other recommend digits-[Serial]", "\\help\\Other_recommend_digits-Serial.htm",
       "012|123|234|345|456|567|678|789|890|901||0369|147|258",
       {420, 420, 420, 420, 420, 420, 420, 420, 420, 420, 30, 480, 420, 420}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.window);
    const ToolDesign &d = test::registeredTool(c.window).design;
    EXPECT_EQ(d.title, c.title);
    EXPECT_EQ(d.caption, c.title);
    EXPECT_EQ(d.helpPage, c.helpPage);
    EXPECT_EQ(d.fontPoints, 7.5);
    EXPECT_EQ(d.control("Command3")->caption, "Help");

    const ResultGrid empty = computeChart(test::registeredTool(c.window), DrawHistory{});
    EXPECT_EQ(marksOf(empty, 0), c.headers);
    EXPECT_EQ(empty.rows(), 2);
    std::vector<int> widths;
    for (int col = 0; col < empty.cols(); ++col)
      widths.push_back(empty.colWidth(col));
    std::vector<int> expected{1290, 300, 300, 300, 30};
    expected.insert(expected.end(), c.setWidths.begin(), c.setWidths.end());
    EXPECT_EQ(widths, expected);
  }
}
