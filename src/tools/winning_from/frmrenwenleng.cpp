// "Cold Warm Hot": for every draw the ranking of the ten digits over the
// seven draws before it, the ranked digits the draw then held, and its
// pattern of hot, warm and cold positions. The row under the last draw holds
// the ranking for the coming draw, from which the window lists the next box
// numbers.
#include "tools/winning_from/tools.h"

#include "charts/drawrows.h"
#include "charts/hotwarmcold.h"
#include "charts/nextboxnumbers.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr const char *kListButton = "Command2";
constexpr const char *kList = "Text1";

void load(ToolWindowState &state, const DrawHistory &history);
void showNextBoxNumbers(ToolWindowState &state);

// In order: the later entries narrow the count and digit columns to
// nearly nothing, since they only feed the ranking.
constexpr ColumnWidths kWidths[] = {
    {0, 0, 1204},  {1, 10, 258}, {11, 11, 80}, {12, 21, 258}, {22, 22, 80},
    {23, 32, 400}, {33, 33, 80}, {1, 10, 2},   {34, 36, 2},
};

// "Exit" is Command1 and there is no hidden reset button; the load shows no
// "Loading......" caption of its own. From the right: "Exit", the list
// button and "Help", 100 twips apart; the list keeps its size and covers the
// top left of the grid when shown.
ToolDesign design() {
  ToolDesign d = standardWindow({.id = titledWindow("frmrenwenleng", "Cold Warm Hot", "\\help\\Cold_Warm_Hot.htm"),
                                 .clientWidth = 11685,
                                 .clientHeight = 6930,
                                 .gridWidth = 11685 - 210,
                                 .gridHeight = 6930 - 1200,
                                 .cols = 37,
                                 .widths = {std::begin(kWidths), std::end(kWidths)},
                                 .reset = SpareRowReset::None,
                                 .exitPlace = {9900, 5955, 1575, 375},
                                 .helpPlace = {6430, 5955, 1335, 375},
                                 .exitName = QStringLiteral("Command1"),
                                 .highlight = kAzure,
                                 .showsLoadingCaption = false});
  d.controls.push_back(actionButton(kListButton, "Next Box numbers ", {7865, 5955, 1935, 375}, showNextBoxNumbers));
  d.controls.push_back(ControlDesign{
      .kind = ControlKind::TextBox, .name = kList, .place = {120, 0, 8055, 5175}, .visible = false, .fontPoints = 7.5});
  d.layout = {layout::Grid{}, layout::PlaceAt{kList, 0, 0},
              layout::ButtonsUnderGrid{{"Command1", kListButton, "Command3"}}};
  return d;
}

constexpr int kDigitOffset = 33;  // H, T, U in columns 34..36
constexpr int kFirstPatternCol = 23;

// The patterns in column order: positions on hot, warm and cold digits.
struct Pattern {
  int hot, warm, cold;
  const char *text;
};
constexpr Pattern kPatterns[] = {
    {0, 0, 3, "003"}, {0, 3, 0, "030"}, {3, 0, 0, "300"}, {0, 1, 2, "012"}, {0, 2, 1, "021"},
    {1, 0, 2, "102"}, {1, 2, 0, "120"}, {2, 0, 1, "201"}, {2, 1, 0, "210"}, {1, 1, 1, "111"},
};

struct RankClass {
  int first, last;
  const char *header;
  Rgb hit;
};
constexpr RankClass kClasses[] = {
    {kFirstHotCol, kFirstWarmCol - 1, "H", rgb(255, 0, 200)},
    {kFirstWarmCol, kFirstColdCol - 1, "W", rgb(225, 0, 0)},
    {kFirstColdCol, kLastRankCol, "C", rgb(42, 140, 167)},
};

constexpr int kLastAlignedCol = 24;

void writeHeaders(ResultGrid &grid);
void tintWarmColumns(ResultGrid &grid);
void markHotWarmColdPattern(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  writeHeaders(grid);
  startOffsetDrawRows(grid, state.drawCount, history, kDigitOffset);
  rankDigitsHotWarmCold(grid, state.drawCount);
  tintWarmColumns(grid);
  markHotWarmColdPattern(grid, state.drawCount);
  for (int c = 1; c <= kLastAlignedCol; ++c)
    grid.setColAlignment(c, ColumnAlignment::LeftBottom);
  grid.setTopRow(grid.rows() - 1);
}

void writeHeaders(ResultGrid &grid) {
  for (int d = 0; d < 10; ++d)
    grid.setNumber(0, kFirstCountCol + d, d);
  for (const RankClass &cls : kClasses)
    for (int c = cls.first; c <= cls.last; ++c)
      grid.setText(0, c, cls.header);
  for (int i = 0; i < 10; ++i)
    grid.setText(0, kFirstPatternCol + i, kPatterns[i].text);
}

void tintWarmColumns(ResultGrid &grid) {
  for (int r = 1; r <= grid.rows() - 1; ++r)
    for (int c = kFirstWarmCol; c < kFirstColdCol; ++c)
      grid.setBackColor(r, c, kPeach);
}

// Each of the draw's three positions falls on exactly one ranked digit; the
// classes it falls in give the pattern. Rows without a ranking match nothing.
void markHotWarmColdPattern(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r) {
    int drawn[3];
    for (int k = 0; k < 3; ++k)
      drawn[k] = cellDigit(grid, r, kRankDigitCol + k);
    int perClass[3] = {0, 0, 0};
    for (int cls = 0; cls < 3; ++cls)
      for (int c = kClasses[cls].first; c <= kClasses[cls].last; ++c) {
        const int ranked = cellDigit(grid, r, c);
        if (ranked < 0)
          continue;
        for (int d : drawn)
          if (d == ranked) {
            ++perClass[cls];
            grid.setBackColor(r, c, kClasses[cls].hit);
          }
      }
    for (int i = 0; i < 10; ++i) {
      const Pattern &p = kPatterns[i];
      if (p.hot == perClass[0] && p.warm == perClass[1] && p.cold == perClass[2]) {
        grid.setText(r, kFirstPatternCol + i, p.text);
        grid.setBackColor(r, kFirstPatternCol + i, kMint);
      }
    }
  }
}

// Each click shows the list for the coming draw (row N + 1), or hides it.
void showNextBoxNumbers(ToolWindowState &state) {
  NextBoxNumbersToggle &toggle = state.own<NextBoxNumbersToggle>();
  toggle.click();
  state.control(kListButton).text = toggle.caption();
  ControlState &list = state.control(kList);
  if (toggle.listShown())
    list.text = nextBoxNumbersText(rankingOfRow(state.grid, state.drawCount + 1));
  list.visible = toggle.listShown();
}

}  // namespace

ToolEntry frmrenwenleng() { return {design(), load}; }

}  // namespace corvessa::tools
