// "Recommend 3 digits-A": for every draw three digits recommended for it by
// a fixed table on the units digit U of the draw before it. A recommended
// digit that the draw holds is shaded and "Y/N" says "-Y-"; "Note" says
// "Just hit" on red when the draw's distinct digits all lie among the three
// (a draw of three equal digits never). The row under the newest draw holds
// the three digits for the coming draw.
#include "tools/digit/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/recommendeddigits.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr RecommendedDigitGroup kRecommended{5, 7, 8};
constexpr int kKeyCol = 9;  // the box key, nearly hidden
constexpr int kNoteCol = 10;

// The digits recommended after a draw, by its U, in column order: U, U + 3
// and U + 6, going round.
constexpr const char *kDigitsByUnits[10] = {"036", "147", "258", "369", "407", "518", "629", "730", "814", "925"};

ToolDesign design() {
  return standardWindow(
      {.id = titledWindow("frmdingdanshh", "Recommend 3 digits-A", "\\help\\Recommend_3_digits-A.htm"),
       .cols = 12,
       .widths = {{0, 0, 1290}, {1, 7, 300}, {8, 8, 430}, {4, 4, 20}, {kKeyCol, kKeyCol, 20}, {11, 11, 20}}});
}

void recommendThreeDigits(ResultGrid &grid, int drawCount);
void writeHeaders(ResultGrid &grid);
void markJustHit(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRowsWithBoxKey(grid, history, kKeyCol);
  recommendThreeDigits(grid, n);
  writeHeaders(grid);
  showSpareRow(grid, n);
  markRecommendedDigitHits(grid, n, 2, kRecommended, kSand);
  markJustHit(grid, n);
}

void recommendThreeDigits(ResultGrid &grid, int drawCount) {
  ResultGrid::TextId digits[10][3];
  for (int u = 0; u < 10; ++u)
    for (int k = 0; k < 3; ++k)
      digits[u][k] = grid.intern(std::string_view(kDigitsByUnits[u] + k, 1));
  for (int r = 1; r <= drawCount; ++r) {
    const int u = cellDigit(grid, r, 3);
    for (int k = 0; k < 3 && u >= 0; ++k)
      grid.setTextId(r + 1, kRecommended.firstCol + k, digits[u][k]);
  }
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kRecommended.markCol, "Y/N");
  grid.setText(0, kNoteCol, "Note");
}

// The three recommended digits differ, so the count is how many of the
// draw's distinct digits were recommended.
void markJustHit(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId justHit = grid.intern(std::string_view("Just hit"));
  for (int r = 1; r <= drawCount; ++r) {
    const std::string_view key = grid.textView(r, kKeyCol);
    int count = 0;
    for (int c = kRecommended.firstCol; c <= kRecommended.lastCol; ++c) {
      const std::string_view digit = grid.textView(r, c);
      if (digit.size() == 1)
        count += int(key.find(digit[0]) != key.npos);
    }
    if (count == 3 || (count == 2 && key.size() == 2)) {
      grid.setTextId(r, kNoteCol, justHit);
      grid.setCurrentCell(r, kNoteCol);
      grid.setBackColor(r, kNoteCol, kRed);
    }
  }
}

}  // namespace

ToolEntry frmdingdanshh() { return {design(), load}; }

}  // namespace corvessa::tools
