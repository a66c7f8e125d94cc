// The routines the recommended-digit charts share: digits from a value's
// text, the marks of recommended digits that a draw holds, and miss counts
// in grey.
#include "charts/missstats.h"
#include "charts/recommendeddigits.h"
#include "support/core/qtprint.h"

#include <QStringList>
#include <cmath>

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

TEST(RemoveSubstring, TakesOutEveryOccurrenceAlsoThoseThatClosingUpMakes) {
  struct Case {
    const char *text, *pattern, *result;
  };
  const Case cases[] = {
      {"9.46153846153846", ".", "946153846153846"},
      {"1*2**3*", "*", "123"},
      {"aabb", "ab", ""},
      {"abc", "x", "abc"},
      {"", ".", ""},
      {"abc", "", "abc"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(removeSubstring(c.text, c.pattern), c.result) << c.text << " without " << c.pattern;
}

TEST(FirstDistinctDigits, DigitsInTheOrderTheTextFirstShowsThem) {
  struct Case {
    double value;
    int n;
    const char *digits;
  };
  const Case cases[] = {
      {0.15625, 3, "015"},
      {0.15625, 2, "01"},
      {123.0 / 13, 2, "94"},
      {1.2, 3, "12"},              // shorter than asked
      {0, 2, "0"},                 // "00"
      {5.0 / 12, 2, "04"},         // 0.416666666666667
      {20.0 / 9, 2, "2"},          // 2.22222222222222; with 17 digits a 3 would follow
      {22.0 / 11, 2, "2"},         // 2, never "2.0"
      {(669 + 727) / 3.141, 3, "4"},    // 444.444444444444
      {(721 + 727) / 3.141, 3, "460"},  // 460.999681630054; six digits would round to 461
      {std::sqrt(89.0) * 0.318, 3, "305"},  // 3.000005999994
      {std::sqrt(123.0) * 0.318, 3, "352"},
      {727 / 3.141, 3, "231"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(firstDistinctDigits(c.value, c.n), c.digits) << c.value << ", " << c.n;
}

namespace {

constexpr Rgb kHit = rgb(1, 2, 3);

// A grid of draws (columns 1..3) and recommended digits (columns 5..7,
// "." for an empty cell), mark column 8, and the spare row.
ResultGrid recommendations(const QStringList &rows) {
  ResultGrid grid(int(rows.size()) + 2, 9);
  for (int r = 1; r <= int(rows.size()); ++r) {
    const QString row = rows[r - 1];  // "115 1.5"
    for (int i = 0; i < 3; ++i)
      grid.setText(r, 1 + i, row.mid(i, 1));
    for (int k = 0; k < 3; ++k)
      if (row[4 + k] != '.')
        grid.setText(r, 5 + k, row.mid(4 + k, 1));
  }
  return grid;
}

QString hitsOf(const ResultGrid &grid, int row) {
  QString out;
  for (int c = 5; c <= 7; ++c)
    out += grid.backColor(row, c) == kHit ? 'x' : grid.backColor(row, c) == 0 ? '.' : '?';
  return out;
}

}  // namespace

TEST(MarkRecommendedDigitHits, ColoursEachDrawnDigitOnceFromTheFirstRowOn) {
  struct Case {
    const char *row;  // the draw, a blank, the recommended digits
    const char *hits;
    bool marked;
  };
  const Case cases[] = {
      {"115 1.7", "x..", true},   // a digit drawn twice is coloured once
      {"115 117", "xx.", true},   // equal recommended digits are both coloured
      {"123 321", "xxx", true},
      {"123 456", "...", false},  // no "no" mark
      {"123 ...", "...", false},  // empty cells match nothing
  };
  QStringList rows = {"123 123"};  // before the first row: never looked at
  for (const Case &c : cases)
    rows << c.row;
  ResultGrid grid = recommendations(rows);
  markRecommendedDigitHits(grid, int(rows.size()), 2, {5, 7, 8}, kHit);
  EXPECT_EQ(hitsOf(grid, 1), "...");
  EXPECT_TRUE(grid.isEmpty(1, 8));
  for (int i = 0; i < int(std::size(cases)); ++i) {
    SCOPED_TRACE(cases[i].row);
    EXPECT_EQ(hitsOf(grid, i + 2), cases[i].hits);
    EXPECT_EQ(grid.text(i + 2, 8), cases[i].marked ? "-Y-" : "");
    EXPECT_EQ(grid.backColor(i + 2, 8), 0u);  // the mark has no colour of its own
  }
  // The last coloured cell is the current one.
  EXPECT_EQ(std::make_pair(grid.currentRow(), grid.currentCol()), std::make_pair(4, 5));

  // Two or more coloured cells colour the mark, from its own first row on.
  markDoubleHits(grid, int(rows.size()), 3, {5, 7, 8}, kHit, rgb(9, 9, 9));
  const Rgb marks[] = {0, 0, 0, rgb(9, 9, 9), rgb(9, 9, 9), 0, 0};
  for (int r = 1; r <= int(rows.size()); ++r)
    EXPECT_EQ(grid.backColor(r, 8), marks[r]) << "row " << r;
  EXPECT_EQ(std::make_pair(grid.currentRow(), grid.currentCol()), std::make_pair(int(rows.size()), 7));
}

TEST(FillMissCountsShaded, CountsInGreyBetweenAnyMarks) {
  // Column 5 has no hit, column 6 a hit in the last draw, column 7 two hits
  // in a row on red.
  const int n = 5;
  ResultGrid grid(n + 2, 8);
  grid.setText(5, 6, "*");
  grid.setText(2, 7, "-Y-");
  grid.setText(3, 7, "x");
  grid.setBackColor(3, 7, rgb(255, 0, 0));
  fillMissCountsShaded(grid, n, 5, 7);
  const QStringList columns[] = {{"1", "2", "3", "4", "5"}, {"1", "2", "3", "4", "*"}, {"1", "-Y-", "x", "1", "2"}};
  for (int c = 5; c <= 7; ++c) {
    QStringList cells;
    for (int r = 1; r <= n; ++r)
      cells << grid.text(r, c);
    EXPECT_EQ(cells, columns[c - 5]) << "column " << c;
    for (int r = 1; r <= n; ++r) {
      const bool count = grid.text(r, c) == QString::number(grid.text(r, c).toInt());
      EXPECT_EQ(grid.foreColor(r, c), count ? kShadedMissCount : 0u) << r << ", " << c;
    }
    EXPECT_TRUE(grid.isEmpty(n + 1, c));  // the spare row stays empty
  }
  EXPECT_EQ(kShadedMissCount, rgb(188, 194, 182));
  EXPECT_EQ(grid.backColor(3, 7), rgb(255, 0, 0));
  // Column by column, the last count written is at the foot of column 7.
  EXPECT_EQ(std::make_pair(grid.currentRow(), grid.currentCol()), std::make_pair(5, 7));

  // Where the last column is full, the count before it.
  ResultGrid full(4, 7);
  for (int r = 1; r <= 2; ++r)
    full.setText(r, 6, "*");
  full.setText(2, 5, "*");
  fillMissCountsShaded(full, 2, 5, 6);
  EXPECT_EQ(std::make_pair(full.currentRow(), full.currentCol()), std::make_pair(1, 5));
}
