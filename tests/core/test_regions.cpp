// The region charts: the four regions 1234 and the three regions Small,
// Middle and Large, with their region digits, patterns, sums and types.
#include "tools/menus.h"
#include "charts/framework/tool.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>
#include <set>

using namespace corvessa;
using test::chart;
using test::history;
using test::markedCol;
using test::rowTexts;

namespace {

constexpr Rgb kDigitHit = rgb(255, 223, 157);
constexpr Rgb kPatternBack = rgb(127, 182, 200);
constexpr Rgb kSumBack = rgb(255, 0, 0);

std::set<int> coloured(const ResultGrid &g, int row, int first, int last) {
  std::set<int> out;
  for (int c = first; c <= last; ++c)
    if (g.backColor(row, c) != 0)
      out.insert(c);
  return out;
}

}  // namespace

TEST(FourRegions, ExamplesCellByCell) {
  struct Case {
    const char *draw;
    const char *codes;  // H, T, U in draw order
    const char *pattern;
    int patternCol;
    int sum, sumCol;
    const char *type;
    int typeCol;
    std::set<int> digitCols;
  };
  const Case cases[] = {
      {"5 8 1", "3 4 1", "134", 27, 8, 45, "Type-1", 51, {5, 12, 17}},
      {"3 3 0", "1 1 2", "112", 20, 4, 41, "Type-2", 52, {6, 8}},
      {"6 8 6", "4 4 4", "444", 38, 12, 49, "Type-3", 53, {16, 17}},
      {"4 0 4", "2 2 2", "222", 29, 6, 43, "Type-3", 53, {8, 10}},
      {"7 7 2", "3 3 2", "233", 32, 8, 45, "Type-2", 52, {9, 13}},
      {"1 1 1", "1 1 1", "111", 19, 3, 40, "Type-3", 53, {5}},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << QString::fromLatin1(tc.draw);
  const ResultGrid g = chart("frm4qufenge", history(draws));
  ASSERT_EQ(g.rows(), int(draws.size()) + 2);
  for (int i = 0; i < int(std::size(cases)); ++i) {
    const Case &tc = cases[i];
    const int r = i + 1;
    SCOPED_TRACE(tc.draw);
    EXPECT_EQ(rowTexts(g, r, 1, 3), QString::fromLatin1(tc.draw));
    EXPECT_EQ(rowTexts(g, r, 4, 18), " 1 3  0 2 4  5 7 9  6 8 ");
    EXPECT_EQ(rowTexts(g, r, 54, 56), QString::fromLatin1(tc.codes));
    EXPECT_EQ(coloured(g, r, 4, 18), tc.digitCols);
    for (int c : tc.digitCols)
      EXPECT_EQ(g.backColor(r, c), kDigitHit);
    EXPECT_EQ(markedCol(g, r, 19, 38, kPatternBack), tc.patternCol);
    EXPECT_EQ(g.text(r, tc.patternCol), QString::fromLatin1(tc.pattern));
    EXPECT_EQ(markedCol(g, r, 40, 49, kSumBack), tc.sumCol);
    EXPECT_EQ(g.text(r, tc.sumCol), QString::number(tc.sum));
    EXPECT_EQ(markedCol(g, r, 51, 53, kPatternBack), tc.typeCol);
    EXPECT_EQ(g.text(r, tc.typeCol), QString::fromLatin1(tc.type));
    for (int c : {39, 50})
      EXPECT_TRUE(g.isEmpty(r, c));
  }
  // The spare row under the draws stays blank.
  for (int c = 0; c < g.cols(); ++c)
    EXPECT_TRUE(g.isEmpty(g.rows() - 1, c)) << "column " << c;
  EXPECT_EQ(g.topRow(), g.rows() - 1);
}

TEST(FourRegions, HeadersAndWidthsAlsoWithoutDraws) {
  for (const QByteArray &data : {QByteArray(), history({"2 9 4"})}) {
    const ResultGrid g = chart("frm4qufenge", data);
    ASSERT_EQ(g.cols(), 60);
    EXPECT_EQ(rowTexts(g, 0, 0, 18), " H T U  1 1  2 2 2  3 3 3  4 4 ");
    EXPECT_EQ(rowTexts(g, 0, 19, 38),
              "111 112 113 114 122 123 124 133 134 144 222 223 224 233 234 244 333 334 344 444");
    EXPECT_EQ(rowTexts(g, 0, 39, 59), " 3 4 5 6 7 8 9 10 11 12  Type-1 Type-2 Type-3      ");
    const std::pair<int, int> widths[] = {{0, 1290}, {1, 275},  {3, 275},  {4, 20},   {5, 275},  {17, 275},
                                          {18, 20},  {19, 406}, {38, 406}, {39, 20},  {40, 305}, {49, 305},
                                          {50, 20},  {51, 840}, {53, 840}, {54, 2},   {59, 2}};
    for (auto [col, twips] : widths)
      EXPECT_EQ(g.colWidth(col), twips) << "column " << col;
    EXPECT_EQ(g.topRow(), g.rows() - 1);
  }
  const ResultGrid empty = chart("frm4qufenge", QByteArray());
  EXPECT_EQ(empty.rows(), 2);
  EXPECT_EQ(coloured(empty, 1, 0, 59), std::set<int>{});
  EXPECT_EQ(rowTexts(empty, 1, 0, 59).trimmed(), QString());
}

TEST(ThreeRegions, ExamplesCellByCell) {
  struct Case {
    const char *draw;
    const char *pattern;
    int patternCol;
    std::set<int> digitCols;
  };
  const Case cases[] = {
      {"0 5 9", "111", 23, {5, 11, 16}}, {"1 1 2", "300", 27, {6, 7}}, {"7 3 8", "012", 19, {9, 14, 15}},
      {"4 4 4", "030", 21, {10}},        {"5 5 0", "120", 24, {5, 11}}, {"9 9 9", "003", 18, {16}},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << QString::fromLatin1(tc.draw);
  const ResultGrid g = chart("frmxzd", history(draws));
  ASSERT_EQ(g.rows(), int(draws.size()) + 2);
  for (int i = 0; i < int(std::size(cases)); ++i) {
    const Case &tc = cases[i];
    const int r = i + 1;
    SCOPED_TRACE(tc.draw);
    EXPECT_EQ(rowTexts(g, r, 1, 17), QString::fromLatin1(tc.draw) + "  0 1 2  3 4 5 6  7 8 9 ");
    EXPECT_EQ(coloured(g, r, 1, 17), tc.digitCols);
    for (int c : tc.digitCols)
      EXPECT_EQ(g.backColor(r, c), kDigitHit);
    EXPECT_EQ(markedCol(g, r, 18, 27, kPatternBack), tc.patternCol);
    EXPECT_EQ(g.text(r, tc.patternCol), QString::fromLatin1(tc.pattern));
  }
  EXPECT_EQ(rowTexts(g, 0, 0, 27), " H T U  S S S  M M M M  L L L  003 012 021 030 102 111 120 201 210 300");
  const std::pair<int, int> widths[] = {{0, 1290}, {1, 300}, {16, 300}, {17, 20}, {18, 420}, {27, 420}};
  for (auto [col, twips] : widths)
    EXPECT_EQ(g.colWidth(col), twips) << "column " << col;
  EXPECT_EQ(g.topRow(), g.rows() - 1);
  // The last marked cell stays the current cell.
  EXPECT_EQ(g.currentRow(), int(draws.size()));
  EXPECT_EQ(g.currentCol(), 18);

  const ResultGrid empty = chart("frmxzd", QByteArray());
  EXPECT_EQ(empty.rows(), 2);
  EXPECT_EQ(rowTexts(empty, 0, 18, 27), "003 012 021 030 102 111 120 201 210 300");
  EXPECT_EQ(rowTexts(empty, 1, 0, 27).trimmed(), QString());
}

TEST(RegionCharts, RecordWithADigitOutsideZeroToNineNeverReachesTheChart) {
  const QByteArray data = "1 5 8 1\r\n2 5 10 1\r\n3 x 3 0\r\n4 6 8 6\r\n";
  struct Chart {
    const char *window;
    int firstPattern, lastPattern;
  };
  for (const Chart &c : {Chart{"frm4qufenge", 19, 38}, Chart{"frmxzd", 18, 27}}) {
    SCOPED_TRACE(c.window);
    const ResultGrid g = chart(c.window, data);
    ASSERT_EQ(g.rows(), 2 + 2);
    EXPECT_EQ(g.text(1, 0), " 1:581");
    EXPECT_EQ(g.text(2, 0), " 4:686");
    for (int r = 1; r <= 2; ++r)
      EXPECT_NE(markedCol(g, r, c.firstPattern, c.lastPattern, kPatternBack), -1);
  }
}
