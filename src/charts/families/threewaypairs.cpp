#include "charts/families/threewaypairs.h"

#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <string>

namespace corvessa::charts {

namespace {

constexpr int kLegendLeft = 20, kLegendWidth = 9900, kLegendHeight = 255;
constexpr int kLegendBelowGrid = 120, kLegendGap = 40;

ToolDesign threeWayPairChartDesign(const ThreeWayPairChartForm &form) {
  ToolDesign d = standardWindow({.id = form.id,
                                 .cols = form.cols,
                                 .widths = {form.widths.begin(), form.widths.end()},
                                 .reset = SpareRowReset::LongGrid,
                                 .help = HelpButton::None});
  const OwnedTable<const char *> &legends = form.legends;
  // The legends sit where the resize puts them in the window's own size.
  int top = d.clientHeight - layout::Grid{}.heightLess + kLegendBelowGrid;
  QString above;
  for (std::size_t i = 0; i < legends.size(); ++i) {
    const QString name = QStringLiteral("Label%1").arg(i + 1);
    d.controls.push_back(ControlDesign{.kind = ControlKind::Label, .name = name,
                                       .caption = QString::fromUtf8(legends[i]),
                                       .place = {kLegendLeft, top, kLegendWidth, kLegendHeight}});
    if (above.isEmpty())
      d.layout.push_back(layout::LabelUnderGrid{name, kLegendBelowGrid, kLegendLeft});
    else
      d.layout.push_back(layout::LabelUnderLabel{name, above, kLegendGap, kLegendLeft});
    top += kLegendHeight + kLegendGap;
    above = name;
  }
  d.onCellDoubleClick = copyMissRunsToClipboard;
  // The runs are the column's, so its header copies them as its cells do.
  d.onHeaderDoubleClick = [](ToolWindowState &state, int col) { copyMissRunsToClipboard(state, 0, col); };
  return d;
}

}  // namespace

ToolEntry threeWayPairChartTool(const ThreeWayPairChartForm &form) {
  return {threeWayPairChartDesign(form), [form](ToolWindowState &state, const DrawHistory &history) {
            ResultGrid &grid = startDrawRows(state);
            const int n = state.drawCount;
            fillThreeWayPairRows(grid, history, form.labelForm);
            writeThreeWayPairHeaders(grid);
            form.writeTypeHeaders(grid);
            grid.setCurrentCell(n + 1, 1);
            markThreeWayPairs(grid, n, form.markTypes);
            fillMissCountsAndMaxMissRow(grid, n);
            grid.setTopRow(grid.rows() - 1);
          }};
}

void fillThreeWayPairRows(ResultGrid &grid, const DrawHistory &history, LabelForm form) {
  fillDrawRows(grid, history, form);
  ResultGrid::TextId pairIds[100] = {};
  const auto pairId = [&](int first, int second) {
    ResultGrid::TextId &id = pairIds[first * 10 + second];
    if (id == 0) {
      const char text[2] = {char('0' + first), char('0' + second)};
      id = grid.intern(std::string_view(text, 2));
    }
    return id;
  };
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    Digits a{draw.h, draw.t, draw.u};
    sortDigitsAscending(a);
    grid.setTextId(row, kLowPairCol, pairId(a[0], a[1]));
    grid.setTextId(row, kHighPairCol, pairId(a[1], a[2]));
    grid.setTextId(row, kEndsCol, pairId(a[0], a[2]));
    ++row;
  }
}

void writeThreeWayPairHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  for (int c = kFirstPairCol; c <= kLastPairCol; ++c) {
    const char digit = char('0' + c - kFirstPairCol);
    const char text[2] = {digit, digit};
    grid.setText(0, c, std::string_view(text, 2));
  }
}

void markTypeCell(ResultGrid &grid, int row, int col, Rgb back) {
  grid.setCurrentCell(row, col);
  grid.setTextId(row, col, grid.textId(0, col));
  grid.setBackColor(row, col, back);
}

void markThreeWayPairs(ResultGrid &grid, int drawCount, PairTypeMarks markTypes) {
  const ResultGrid::TextId yesId = grid.intern(std::string_view("-Y-"));
  long long pairs[kLastPairCol - kFirstPairCol + 1];
  for (int c = kFirstPairCol; c <= kLastPairCol; ++c)
    pairs[c - kFirstPairCol] = leadingNumber(grid.textView(0, c));
  for (int r = 1; r <= drawCount; ++r) {
    if (leadingNumber(grid.textView(r, kEndsCol)) % 11 == 0)
      continue;  // the smallest digit is the largest: a triple
    const long long low = leadingNumber(grid.textView(r, kLowPairCol));
    const long long high = leadingNumber(grid.textView(r, kHighPairCol));
    for (int c = kFirstPairCol; c <= kLastPairCol; ++c) {
      const long long pair = pairs[c - kFirstPairCol];
      if (low != pair && high != pair)
        continue;
      markTypeCell(grid, r, c, kRed);
      grid.setTextId(r, kThreeWayYesCol, yesId);
      markTypes(grid, r, int(pair));
    }
  }
}

void fillMissCountsAndMaxMissRow(ResultGrid &grid, int drawCount) {
  fillMissCountsAndFooter(grid, drawCount,
                          {.firstCol = kFirstPairCol,
                           .lastCol = kLastPairCol,
                           .hitBack = kRed,
                           .rows = {FooterRow::Blank, FooterRow::Blank, FooterRow::MaxMiss},
                           .maxMiss = MaxMissRule::LongestClosedRun,
                           .tinted = false,
                           .valueFore = kShadedMissCount},
                          MissCountShade::Shaded);
  grid.setCurrentCell(drawCount + 4, 0);
}

// A run ends where a red cell follows a cell of another colour; the cell
// above the red one holds the run's length. Any column may be clicked:
// columns without red hits give the empty text, and red marks without miss
// counts above them give empty lines.
void copyMissRunsToClipboard(ToolWindowState &state, int /*row*/, int col) {
  const ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  std::string runs;
  for (int r = 2; r <= n; ++r) {
    const Rgb back = grid.backColor(r, col);
    if (back == kRed && back != grid.backColor(r - 1, col)) {
      runs += grid.textView(r - 1, col);
      runs += "\r\n";
    }
  }
  if (n >= 2)
    state.grid.setCurrentCell(n, col);
  state.setClipboardText(QString::fromStdString(runs));
}

}  // namespace corvessa::charts
