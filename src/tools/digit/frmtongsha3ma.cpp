// "Recommend 3 digits-BC": two groups of three digits recommended for every
// draw. Group B holds the three coldest digits after the draw before it (the
// digits longest undrawn, from a hidden chart of each digit's miss counts),
// group C three digits from a fixed table on that draw's sum. A recommended
// digit that the draw holds is on red and its group's "Y/N" says "-Y-",
// shaded blue from row 11 on where two or more hit. The row under the newest
// draw holds both groups for the coming draw.
#include "tools/digit/tools.h"

#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/recommendeddigits.h"
#include "charts/standardwindow.h"

#include <array>
#include <utility>

namespace corvessa::tools {
namespace {

using namespace charts;

// Each group's columns, the first row it can stand in, and its headers.
struct DigitGroup {
  RecommendedDigitGroup cols;
  int firstRow;
  const char *headers[4];
};
constexpr DigitGroup kGroupB{{5, 7, 8}, 11, {"B1", "B2", "B3", "Y/N"}};  // ten draws of misses first
constexpr DigitGroup kGroupC{{20, 22, 23}, 2, {"C1", "C2", "C3", "Y/N"}};
constexpr int kFirstDigitCol = 10, kLastDigitCol = 19;  // the hidden chart: column 10 + d for the digit d
constexpr int kFirstDoubleRow = 11;                     // for both groups
constexpr std::string_view kDrawn = "*";

// Group C: the digits recommended after a draw, by its sum 0 to 27.
constexpr const char *kDigitsBySum[28] = {
    "036", "456", "019", "367", "257", "457", "138", "237", "268", "245", "289", "028", "019", "167",
    "136", "125", "134", "134", "127", "012", "145", "019", "014", "059", "359", "159", "048", "478",
};

// The digits' miss-count columns only feed group B: nearly hidden.
ToolDesign design() {
  return standardWindow(
      {.id = titledWindow("frmtongsha3ma", "Recommend 3 digits-BC", "\\help\\Recommend_3_digits-BC.htm"),
       .cols = 24,
       .widths = {{0, 0, 1290},
                  {1, 23, 300},
                  {4, 4, 20},
                  {kGroupB.cols.markCol, kGroupB.cols.markCol, 430},
                  {9, 9, 150},
                  {kGroupC.cols.markCol, kGroupC.cols.markCol, 430},
                  {kFirstDigitCol, kLastDigitCol, 2}}});
}

void fillDrawRowsWithDigitMarks(ResultGrid &grid, const DrawHistory &history);
void recommendColdestDigits(ResultGrid &grid, int drawCount);
void recommendDigitsBySum(ResultGrid &grid, int drawCount);
void writeHeaders(ResultGrid &grid);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRowsWithDigitMarks(grid, history);
  fillMissCountsShaded(grid, n, kFirstDigitCol, kLastDigitCol);
  recommendColdestDigits(grid, n);
  recommendDigitsBySum(grid, n);
  writeHeaders(grid);
  showSpareRow(grid, n);
  for (const DigitGroup &group : {kGroupB, kGroupC})
    markRecommendedDigitHits(grid, n, group.firstRow, group.cols, kRed);
  for (const DigitGroup &group : {kGroupB, kGroupC})
    markDoubleHits(grid, n, kFirstDoubleRow, group.cols, kRed, kPaleBlue);
}

void fillDrawRowsWithDigitMarks(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRows(grid, history);
  const ResultGrid::TextId drawn = grid.intern(kDrawn);
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    for (int d : {draw.h, draw.t, draw.u})
      grid.setTextId(row, kFirstDigitCol + d, drawn);
    ++row;
  }
}

// After each draw from the tenth on, the ten digits by their miss values (0
// for a drawn digit, else its miss count) ascending, equal values keeping
// the smaller digit first; the last three are B1, B2 and B3.
void recommendColdestDigits(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId drawn = grid.intern(kDrawn);
  TextNumbers numberOf(grid);  // the counts repeat: each text is read once
  for (int r = kGroupB.firstRow - 1; r <= drawCount; ++r) {
    std::array<std::pair<long long, int>, 10> byMiss;  // (miss, digit)
    const std::span<const ResultGrid::TextId> row = std::as_const(grid).rowTextIds(r);
    for (int d = 0; d < 10; ++d) {
      const ResultGrid::TextId id = row[std::size_t(kFirstDigitCol + d)];
      byMiss[std::size_t(d)] = {id == drawn ? 0 : numberOf(id), d};
    }
    // Exchanges of neighbours only where the later miss is strictly smaller.
    for (std::size_t i = 1; i < byMiss.size(); ++i)
      for (std::size_t j = i; j > 0 && byMiss[j].first < byMiss[j - 1].first; --j)
        std::swap(byMiss[j], byMiss[j - 1]);
    for (int k = 0; k < 3; ++k)
      grid.setNumber(r + 1, kGroupB.cols.firstCol + k, byMiss[std::size_t(7 + k)].second);
  }
}

void recommendDigitsBySum(ResultGrid &grid, int drawCount) {
  std::array<std::array<ResultGrid::TextId, 3>, 28> digits;
  for (int s = 0; s < 28; ++s)
    for (int k = 0; k < 3; ++k)
      digits[std::size_t(s)][std::size_t(k)] = grid.intern(std::string_view(kDigitsBySum[s] + k, 1));
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> draw = readDrawDigits(grid, r);
    if (!draw)
      continue;
    const int sum = (*draw)[0] + (*draw)[1] + (*draw)[2];
    for (int k = 0; k < 3; ++k)
      grid.setTextId(r + 1, kGroupC.cols.firstCol + k, digits[std::size_t(sum)][std::size_t(k)]);
  }
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  for (const DigitGroup &group : {kGroupB, kGroupC})
    for (int k = 0; k < 4; ++k)
      grid.setText(0, group.cols.firstCol + k, group.headers[k]);
  for (int d = 0; d < 10; ++d)
    grid.setNumber(0, kFirstDigitCol + d, d);
}

}  // namespace

ToolEntry frmtongsha3ma() { return {design(), load}; }

}  // namespace corvessa::tools
