#include "charts/families/threewaychance.h"

#include "charts/palette.h"
#include "charts/standardwindow.h"
#include "charts/sumrows.h"

#include <string_view>

namespace corvessa::charts {

namespace {

constexpr int kTriggerCol = 4, kYesCol = 5;
constexpr int kRepeatCol = 7, kSecondYesCol = 8, kWidthCol = 9;  // with widthRepeats only
constexpr int kChanceWindowRows = 4, kRepeatWindowRows = 3;

// Sorted digits with exactly two equal.
bool isThreeWayBox(const Digits &d) { return (d[0] == d[1] && d[0] != d[2]) || (d[0] != d[1] && d[1] == d[2]); }

// Rows 1..N: the label alone, H, T and U, "***" on a trigger, "YES" on a
// 3 Way Box and, with widthRepeats, "  YES" again and the draw's width.
void fillChanceRows(ResultGrid &grid, const DrawHistory &history, const ChanceChartForm &form) {
  fillDrawRows(grid, history, LabelForm::LabelOnly);
  const ResultGrid::TextId triggerId = grid.intern(std::string_view("***"));
  const ResultGrid::TextId yesId = grid.intern(std::string_view("YES"));
  const ResultGrid::TextId secondYesId = grid.intern(std::string_view("  YES"));
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    Digits a{draw.h, draw.t, draw.u};
    if (form.isTrigger(a))
      grid.setTextId(row, kTriggerCol, triggerId);
    sortDigitsAscending(a);
    if (isThreeWayBox(a)) {
      grid.setTextId(row, kYesCol, yesId);
      if (form.widthRepeats)
        grid.setTextId(row, kSecondYesCol, secondYesId);
    }
    ++row;
  }
  if (form.widthRepeats)
    fillSumWidthColumns(grid, history, {.sumCol = kNoColumn, .widthCol = kWidthCol});
}

// Column 4 of the four rows after each trigger, into the spare rows after the newest draws.
void paintChanceWindow(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    if (!grid.isEmpty(r, kTriggerCol))
      for (int j = r + 1; j <= r + kChanceWindowRows; ++j)
        grid.setBackColor(j, kTriggerCol, kRed);
}

// Column 7 of the three rows after two draws of equal width. The first
// pair compared is draws 2 and 3: draws 1 and 2 never open a window.
void paintRepeatWindow(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount - 2; ++r)
    if (grid.textId(r + 1, kWidthCol) == grid.textId(r + 2, kWidthCol))
      for (int j = r + 3; j < r + 3 + kRepeatWindowRows; ++j)
        grid.setBackColor(j, kRepeatCol, kRed);
}

void loadChanceChart(ToolWindowState &state, const DrawHistory &history, const ChanceChartForm &form) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillChanceRows(grid, history, form);
  writeDigitHeaders(grid);
  grid.setText(0, kYesCol, "3 Way Box");
  if (form.widthRepeats)
    grid.setText(0, kSecondYesCol, "3 Way Box");
  grid.setCurrentCell(n + 1, 1);
  paintChanceWindow(grid, n);
  if (form.widthRepeats)
    paintRepeatWindow(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

}  // namespace

ToolEntry chanceChartTool(const ChanceChartForm &form) {
  std::vector<ColumnWidths> widths = {{0, 0, 860}, {1, 3, 300}};
  if (form.widthRepeats)
    widths.insert(widths.end(), {{kWidthCol, kWidthCol, 40}, {6, kSecondYesCol, 5}});
  ToolDesign d = standardWindow({.id = form.id,
                                 .cols = form.widthRepeats ? 10 : 6,
                                 .widths = std::move(widths),
                                 .reset = SpareRowReset::LongGrid});
  return ToolEntry{std::move(d), [form](ToolWindowState &state, const DrawHistory &history) {
                     loadChanceChart(state, history, form);
                   }};
}

}  // namespace corvessa::charts
