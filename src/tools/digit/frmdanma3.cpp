// "Other recommend digits-[Serial]": the ten serial triples of consecutive
// digits, wrapping from 9 to 0, and the three classes of digits by their
// remainder after division by 3. For every draw, " *" under a group that
// holds one of its digits and "$" under one that holds two or more.
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"
#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr std::string_view kSerialTriples[] = {"012", "123", "234", "345", "456", "567", "678", "789", "890", "901"};
constexpr int kLastSerialCol = 14;
constexpr int kGapCol = 15;  // a narrow empty column between the two kinds of group
constexpr std::string_view kClasses[] = {"0369", "147", "258"};
constexpr int kFirstClassCol = 16;
constexpr int kLastClassCol = 18;

ToolDesign design() {
  return standardWindow(
      {.id = titledWindow("frmdanma3", "Other recommend digits-[Serial]", "\\help\\Other_recommend_digits-Serial.htm"),
       .cols = kLastClassCol + 1,
       .widths = joinWidths(
           {kDigitSetDrawWidths,
            {{{kFirstGroupCol, kLastClassCol, 420}, {kGapCol, kGapCol, 30}, {kFirstClassCol, kFirstClassCol, 480}}}})});
}

void markDigitSetHitCounts(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillBoxKeyDrawRows(grid, history);
  writeGroupHeaders(grid, kFirstGroupCol, kSerialTriples);
  writeGroupHeaders(grid, kFirstClassCol, kClasses);
  showSpareRow(grid, n);
  markPairDigitHits(grid, n, kFirstGroupCol, kLastSerialCol);
  markDigitSetHitCounts(grid, n);
}

// All four digits of "0369" count, as the three of the other classes do.
void markDigitSetHitCounts(ResultGrid &grid, int drawCount) {
  markPairDigitHits(grid, drawCount, kFirstClassCol, kLastClassCol);
}

}  // namespace

ToolEntry frmdanma3() { return {design(), load}; }

}  // namespace corvessa::tools
