// The grid as plain data: cells that survive a change of shape, interned
// texts, colours, sizes and the memory a long chart takes.
#include "core/resultgrid.h"
#include "support/core/qtprint.h"

#include <gtest/gtest.h>

using namespace corvessa;

TEST(ResultGrid, CellsSurviveAChangeOfShape) {
  ResultGrid grid(3, 3);
  grid.setText(1, 1, "a");
  grid.setText(2, 2, QStringLiteral("冷"));
  grid.setBackColor(1, 1, rgb(255, 0, 0));
  grid.setForeColor(2, 2, rgb(0, 0, 255));
  grid.setColWidth(2, 806);
  grid.setColAlignment(1, 2);

  grid.setCols(5);  // a later menu widens the grid after the load
  EXPECT_EQ(grid.text(1, 1), "a");
  EXPECT_EQ(grid.text(2, 2), QStringLiteral("冷"));
  EXPECT_EQ(grid.backColor(1, 1), rgb(255, 0, 0));
  EXPECT_EQ(grid.foreColor(2, 2), rgb(0, 0, 255));
  EXPECT_EQ(grid.colWidth(2), 806);
  EXPECT_EQ(grid.colWidth(4), ResultGrid::kDefaultWidth);
  EXPECT_EQ(grid.colAlignment(1), 2);
  EXPECT_EQ(grid.colAlignment(4), ResultGrid::kAlignGeneral);
  EXPECT_TRUE(grid.isEmpty(1, 4));
  EXPECT_EQ(grid.backColor(1, 4), 0u);

  grid.setCols(2);
  grid.setRows(10);
  EXPECT_EQ(grid.text(1, 1), "a");
  EXPECT_TRUE(grid.isEmpty(9, 1));
  grid.setRowHeight(9, 600);
  grid.setTopRow(9);
  grid.setRows(4);  // the top row follows a shrinking grid
  EXPECT_EQ(grid.topRow(), 3);
  EXPECT_EQ(grid.rowHeight(3), ResultGrid::kDefaultWidth);
  grid.setRows(12);
  EXPECT_EQ(grid.rowHeight(11), ResultGrid::kDefaultWidth);
  EXPECT_TRUE(grid.isEmpty(9, 1));
}

TEST(ResultGrid, RowsReservedAheadTakeTheGrowthWithoutACopy) {
  ResultGrid grid(0, 3);
  grid.reserveRows(8);
  EXPECT_EQ(grid.rows(), 0);
  grid.setRows(4);
  grid.setText(3, 2, "a");
  const ResultGrid::TextId *cells = grid.rowTextIds(0).data();
  grid.setRows(8);
  EXPECT_EQ(grid.rowTextIds(0).data(), cells);
  EXPECT_EQ(grid.text(3, 2), "a");
  EXPECT_TRUE(grid.isEmpty(7, 2));
}

TEST(ResultGrid, TextsAreInternedOnce) {
  ResultGrid grid(2, 4);
  grid.setText(0, 0, "*****");
  grid.setText(0, 1, QStringLiteral("*****"));
  grid.setNumber(0, 2, 12);
  grid.setText(0, 3, "12");
  EXPECT_EQ(grid.textId(0, 0), grid.textId(0, 1));
  EXPECT_EQ(grid.textId(0, 2), grid.textId(0, 3));
  for (long long value : {0LL, 7LL, -3LL, 20260812001LL, 1LL << 20})
    EXPECT_EQ(grid.textOf(grid.internNumber(value)), QString::number(value));
  grid.setText(1, 0, "");
  EXPECT_TRUE(grid.isEmpty(1, 0));
  // Many different texts keep their own ids as the lookup table grows.
  std::vector<ResultGrid::TextId> ids;
  for (int i = 0; i < 5000; ++i)
    ids.push_back(grid.intern("t" + std::to_string(i)));
  for (int i = 0; i < 5000; ++i) {
    EXPECT_EQ(grid.intern("t" + std::to_string(i)), ids[std::size_t(i)]);
    EXPECT_EQ(grid.viewOf(ids[std::size_t(i)]), "t" + std::to_string(i));
  }
}

TEST(ResultGrid, ColoursKeepTheirValues) {
  ResultGrid grid(1, 200);
  for (int c = 0; c < 200; ++c)
    grid.setBackColor(0, c, rgb(c, 255 - c, 7));
  for (int c = 0; c < 200; ++c)
    EXPECT_EQ(grid.backColor(0, c), rgb(c, 255 - c, 7));
  grid.setBackColor(0, 5, 0);
  EXPECT_EQ(grid.backColor(0, 5), 0u);
}

TEST(ResultGrid, ALongChartStaysCompact) {
  constexpr int kRows = 100006, kCols = 6;
  ResultGrid grid(2, kCols);
  grid.setRows(kRows - 4);
  grid.reserveTexts(100000, 100000 * 12);
  for (int r = 1; r <= 100000; ++r) {
    grid.setTextId(r, 0, grid.addUnique(" " + std::to_string(2000000 + r) + ":123"));
    grid.setNumber(r, 5, r % 50);
  }
  grid.setRows(kRows);
  grid.squeeze();
  EXPECT_LT(double(grid.memoryBytes()) / (double(kRows) * kCols), 10.0);
  EXPECT_EQ(grid.text(100000, 0), " 2100000:123");
}
