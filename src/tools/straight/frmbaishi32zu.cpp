// "Recommend 320 Straight Numbers": 32 recommended hundreds-tens pairs, each
// standing for its ten straight numbers. Every draw whose H and T form one
// of them has that pair marked on red and "YES" beside it. The game chosen
// at start-up picks the list.
#include "tools/straight/tools.h"

#include "charts/columnbands.h"
#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kFirstPairCol = 5, kLastPairCol = 36;
constexpr int kYesCol = 37;  // its width is left to the grid
constexpr int kPairs = kLastPairCol - kFirstPairCol + 1;

// The pairs in column order, hundreds digit first, one list for each game.
constexpr const char *kPairsOfGame[2][kPairs] = {
    {"05", "07", "13", "14", "15", "16", "17", "20", "21", "27", "30", "31", "32", "36", "39", "40",
     "41", "46", "51", "55", "59", "66", "73", "79", "80", "83", "84", "85", "93", "96", "98", "99"},
    {"00", "01", "02", "11", "16", "18", "26", "27", "29", "30", "31", "33", "43", "44", "49", "52",
     "53", "54", "56", "67", "69", "70", "73", "78", "83", "87", "89", "94", "95", "96", "97", "99"},
};

constexpr ColumnBand kFirstBand{5, 12, rgb(212, 188, 134)};
constexpr ColumnBand kSecondBand{21, 28, rgb(212, 188, 134)};

ToolDesign design() {
  return standardWindow({.id = titledWindow("frmbaishi32zu", "Recommend 320 Straight Numbers",
                                            "\\help\\Recommend_320_Straight_Numbers.htm"),
                         .cols = 38,
                         .widths = {{0, 0, 1290}, {1, kLastPairCol, 300}, {4, 4, 20}}});
}

void writeRecommendedPairs(ResultGrid &grid, int gameType);
void markPairYes(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history);
  writeRecommendedPairs(grid, state.gameType);
  writeDigitHeaders(grid);
  showSpareRow(grid, n);
  shadeColumnBands(grid, n, kFirstBand, kSecondBand);
  markPairYes(grid, n);
}

// A game other than the two leaves the headers empty, and nothing is marked.
void writeRecommendedPairs(ResultGrid &grid, int gameType) {
  if (gameType != 0 && gameType != 1)
    return;
  for (int i = 0; i < kPairs; ++i)
    grid.setText(0, kFirstPairCol + i, kPairsOfGame[gameType][i]);
}

// The units digit plays no part: the draw's H and T against each header.
void markPairYes(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId yes = grid.intern(std::string_view("YES"));
  ResultGrid::TextId keys[100] = {};  // by H * 10 + T, interned when first met
  for (int r = 1; r <= drawCount; ++r) {
    const int h = cellDigit(grid, r, 1), t = cellDigit(grid, r, 2);
    if (h < 0 || t < 0)
      continue;  // the reader leaves out draws with other digits
    ResultGrid::TextId &keyId = keys[h * 10 + t];
    if (keyId == 0)
      keyId = grid.intern(std::string{char('0' + h), char('0' + t)});
    for (int c = kFirstPairCol; c <= kLastPairCol; ++c)
      if (grid.textId(0, c) == keyId) {
        grid.setCurrentCell(r, c);
        grid.setBackColor(r, c, kRed);
        grid.setTextId(r, c, keyId);
        grid.setTextId(r, kYesCol, yes);
      }
  }
}

}  // namespace

ToolEntry frmbaishi32zu() { return {design(), load}; }

}  // namespace corvessa::tools
