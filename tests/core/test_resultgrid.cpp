// The grid as plain data: cells that survive a change of shape, interned
// texts, colours, sizes and the memory a long chart takes.
#include "core/resultgrid.h"
#include "support/core/qtprint.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace corvessa;

TEST(ResultGrid, CellsSurviveAChangeOfShape) {
  ResultGrid grid(3, 3);
  grid.setText(1, 1, "a");
  grid.setText(2, 2, QStringLiteral("冷"));
  grid.setBackColor(1, 1, rgb(255, 0, 0));
  grid.setForeColor(2, 2, rgb(0, 0, 255));
  grid.setColWidth(2, 806);
  grid.setColAlignment(1, ColumnAlignment::LeftBottom);

  grid.setCols(5);  // a later menu widens the grid after the load
  EXPECT_EQ(grid.text(1, 1), "a");
  EXPECT_EQ(grid.text(2, 2), QStringLiteral("冷"));
  EXPECT_EQ(grid.backColor(1, 1), rgb(255, 0, 0));
  EXPECT_EQ(grid.foreColor(2, 2), rgb(0, 0, 255));
  EXPECT_EQ(grid.colWidth(2), 806);
  EXPECT_EQ(grid.colWidth(4), ResultGrid::kDefaultWidth);
  EXPECT_EQ(grid.colAlignment(1), ColumnAlignment::LeftBottom);
  EXPECT_EQ(grid.colAlignment(4), ColumnAlignment::General);
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
  const auto text = [](int i) { return std::string("t").append(std::to_string(i)); };
  std::vector<ResultGrid::TextId> ids;
  for (int i = 0; i < 5000; ++i)
    ids.push_back(grid.intern(text(i)));
  for (int i = 0; i < 5000; ++i) {
    EXPECT_EQ(grid.intern(text(i)), ids[std::size_t(i)]);
    EXPECT_EQ(grid.viewOf(ids[std::size_t(i)]), text(i));
  }
}

// A grid holds 255 colours of its own beside its own colour 0. A 256th is
// refused, as a cell outside the grid is, and no cell changes colour.
TEST(ResultGrid, ColoursKeepTheirValuesAndA256thIsRefused) {
  ResultGrid grid(2, 256);
  for (int c = 0; c < 255; ++c)
    grid.setBackColor(0, c, rgb(c, 255 - c, 7));
  for (int c = 0; c < 255; ++c)
    EXPECT_EQ(grid.backColor(0, c), rgb(c, 255 - c, 7));

  try {
    grid.setBackColor(0, 255, rgb(1, 2, 3));
    ADD_FAILURE() << "a 256th colour was taken";
  } catch (const std::out_of_range &e) {
    EXPECT_STREQ(e.what(), "colour #010203 beyond the 255 colours a grid holds");
  }
  EXPECT_THROW(grid.setForeColor(1, 0, rgb(1, 2, 3)), std::out_of_range);
  EXPECT_THROW(grid.paletteIndex(rgb(0, 0, 1)), std::out_of_range);
  EXPECT_EQ(grid.backColor(0, 255), 0u);
  EXPECT_EQ(grid.foreColor(1, 0), 0u);

  // The colours it holds, and its own, still go anywhere.
  grid.setForeColor(1, 0, rgb(254, 1, 7));
  EXPECT_EQ(grid.foreColor(1, 0), rgb(254, 1, 7));
  grid.setBackColor(0, 5, 0);
  EXPECT_EQ(grid.backColor(0, 5), 0u);
}

TEST(ResultGrid, ALongChartStaysCompact) {
  constexpr int kRows = 100006, kCols = 6;
  ResultGrid grid(2, kCols);
  grid.setRows(kRows - 4);
  grid.reserveTexts(100000, 100000 * 12);
  for (int r = 1; r <= 100000; ++r) {
    grid.setTextId(r, 0, grid.addUnique(std::string(" ").append(std::to_string(2000000 + r)).append(":123")));
    grid.setNumber(r, 5, r % 50);
  }
  grid.setRows(kRows);
  grid.squeeze();
  EXPECT_LT(double(grid.memoryBytes()) / (double(kRows) * kCols), 10.0);
  EXPECT_EQ(grid.text(100000, 0), " 2100000:123");
}

namespace {

// A maker for tests: "L" and the code.
std::size_t makeTestText(std::uint64_t code, char *out) {
  const std::string text = "L" + std::to_string(code);
  text.copy(out, text.size());
  return text.size();
}

std::size_t makeOtherText(std::uint64_t, char *out) {
  out[0] = 'x';
  return 1;
}

}  // namespace

// Made texts (a draw's label in every row) read like any other text, and a
// view of one stays valid while the grid is not changed, however many others
// are read after it, in this grid or in a copy.
TEST(ResultGrid, MadeTextsReadLikeOtherTexts) {
  constexpr int kRows = 1000;
  ResultGrid grid(kRows, 2);
  grid.reserveMadeTexts(kRows);
  for (int r = 0; r < kRows; ++r) {
    grid.setTextId(r, 0, grid.addMadeText(makeTestText, std::uint64_t(r) * 7919));
    grid.setNumber(r, 1, r);
  }
  std::vector<std::string_view> views;
  for (int r = kRows - 1; r >= 0; --r)
    views.push_back(grid.textView(r, 0));
  const ResultGrid copy = grid;
  for (int r = 0; r < kRows; ++r) {
    const std::string expected = std::string("L").append(std::to_string(std::uint64_t(r) * 7919));
    EXPECT_EQ(views[std::size_t(kRows - 1 - r)], expected);
    EXPECT_EQ(grid.text(r, 0), QString::fromStdString(expected));
    EXPECT_EQ(copy.textView(r, 0), expected);
    EXPECT_FALSE(grid.isEmpty(r, 0));
    EXPECT_NE(grid.textId(r, 0), grid.textId((r + 1) % kRows, 0));
  }
  EXPECT_EQ(views.front(), "L" + std::to_string(std::uint64_t(kRows - 1) * 7919));

  // A grid moved elsewhere keeps the texts its views show.
  const ResultGrid moved = std::move(grid);
  EXPECT_EQ(views.back(), "L0");
  EXPECT_EQ(moved.textView(5, 0), "L39595");

  // The texts of a grid come from one maker.
  ResultGrid other(1, 1);
  other.addMadeText(makeTestText, 1);
  EXPECT_THROW(other.addMadeText(makeOtherText, 2), std::logic_error);
}

// The enquiry's reshaping: the grid takes its final rows and columns at once,
// keeping the first columns' cells, colours and widths and nothing of the rest.
TEST(ResultGrid, ShapeTakenInOneStep) {
  ResultGrid grid(4, 8);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 8; ++c) {
      grid.setNumber(r, c, r * 10 + c);
      grid.setBackColor(r, c, rgb(0, r, c));
    }
  grid.setColWidth(1, 300);
  grid.setColWidth(6, 372);
  grid.setColAlignment(6, ColumnAlignment::CentreTop);
  grid.setShape(7, 12, 5);
  ASSERT_EQ(grid.rows(), 7);
  ASSERT_EQ(grid.cols(), 12);
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 12; ++c) {
      const bool kept = r < 4 && c < 5;
      EXPECT_EQ(grid.text(r, c), kept ? QString::number(r * 10 + c) : QString()) << r << "," << c;
      EXPECT_EQ(grid.backColor(r, c), kept ? rgb(0, r, c) : 0u) << r << "," << c;
    }
  EXPECT_EQ(grid.colWidth(1), 300);
  EXPECT_EQ(grid.colWidth(6), ResultGrid::kDefaultWidth);
  EXPECT_EQ(grid.colAlignment(6), ColumnAlignment::General);

  // Shrunk and grown again within its room, the rows that come back are empty.
  grid.setNumber(6, 11, 5);
  grid.setRows(5);
  grid.setRows(7);
  EXPECT_TRUE(grid.isEmpty(6, 11));
  grid.setShape(7, 12, 0);
  EXPECT_TRUE(grid.isEmpty(0, 0));
}

// A large array comes zeroed; it copies and moves like a value.
TEST(LargeArray, ZeroedAndCopiedByValue) {
  LargeArray<std::uint32_t> big(std::size_t(3) << 20);
  EXPECT_GE(big.bytes(), big.size() * sizeof(std::uint32_t));
  EXPECT_EQ(std::count(big.begin(), big.end(), 0u), std::ptrdiff_t(big.size()));
  big[big.size() - 1] = 7;
  big.resize(10);  // what goes is emptied: grown again it reads zero
  big.resize(std::size_t(3) << 20);
  EXPECT_EQ(big[big.size() - 1], 0u);

  LargeArray<char> small;
  small.append("abc", 3);
  small.push_back('d');
  LargeArray<char> copy = small;
  copy[0] = 'z';
  EXPECT_EQ(std::string(small.begin(), small.end()), "abcd");
  const LargeArray<char> moved = std::move(copy);
  EXPECT_EQ(std::string(moved.begin(), moved.end()), "zbcd");
  EXPECT_TRUE(copy.empty());
}
