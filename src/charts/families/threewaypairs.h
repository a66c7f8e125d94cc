#pragma once
// The 3 Way Box pair charts ("3 Way Box Type", "3 Way Box Trend"): every
// draw with exactly two equal digits is marked in the column of the pair it
// holds, "00" to "99" in columns 8 to 17, with "-Y-" in column 7, and
// sorted into the chart's own type columns. The pair columns count the
// misses between hits in grey, and a "Max Miss" row under the draws gives
// each pair's longest run that a hit ended. A double-click copies the
// finished runs of the clicked column.
#include "charts/drawrows.h"
#include "charts/families/ownedtable.h"
#include "charts/framework/tool.h"

namespace corvessa::charts {

// Columns 4, 5 and 6 hold the sorted digits' pairs a1a2, a2a3 and a1a3: the
// marking reads them back to find the pair.
inline constexpr int kLowPairCol = 4, kHighPairCol = 5, kEndsCol = 6;
inline constexpr int kThreeWayYesCol = 7;
inline constexpr int kFirstPairCol = 8, kLastPairCol = 17;
inline constexpr Rgb kPairTypeLilac = rgb(158, 140, 255);

// The type marks of a chart, for draw row `row` holding the pair whose
// header reads as `pair` (11 times the pair digit).
using PairTypeMarks = void (*)(ResultGrid &grid, int row, int pair);

// A member of the pair chart family: what its window and load have of their
// own. Both share the window (caption = title, no help page, the hidden
// Command1 (rows N + 5), "Exit", the legends one under another below the
// grid, the double-click that copies miss runs) and the load: rows,
// draw rows in the label form, headers, pair and type marks, grey miss
// counts, the "Max Miss" row, the newest draw in view.
struct ThreeWayPairChartForm {
  ToolIdentity id;  // the title is the caption: titledWindow
  int cols;
  OwnedTable<const char *> legends;
  LabelForm labelForm;
  OwnedTable<ColumnWidths> widths;
  void (*writeTypeHeaders)(ResultGrid &grid);
  PairTypeMarks markTypes;
};
ToolEntry threeWayPairChartTool(const ThreeWayPairChartForm &form);

// Rows 1..N: the label in the form, H, T and U in draw order, and the
// sorted digits' pairs in columns 4 to 6.
void fillThreeWayPairRows(ResultGrid &grid, const DrawHistory &history, LabelForm form);

// "H", "T", "U", and the digit written twice over each pair column.
void writeThreeWayPairHeaders(ResultGrid &grid);

// On draw rows 1..N: a draw whose smallest and largest digit differ and
// which holds a pair (column 4 or 5 equal to a pair column's header) gets
// the header's text on red in that column, "-Y-" in column 7, then the
// chart's type marks. A triple or a draw of three different digits gets
// nothing.
void markThreeWayPairs(ResultGrid &grid, int drawCount, PairTypeMarks markTypes);

// A type mark: the cell becomes current and gets its column's header text on `back`.
void markTypeCell(ResultGrid &grid, int row, int col, Rgb back);

// The pair columns' miss counts in grey, then row N + 4 (of N + 5): "Max
// Miss" and, for each pair column in grey, the longest miss run that a hit
// ended; the run still open at the newest draw does not count, and a column
// never hit shows 0.
void fillMissCountsAndMaxMissRow(ResultGrid &grid, int drawCount);

// The double-click: the length of every miss run of column `col` that a red
// hit ended, oldest first, each followed by CR LF, replaces what the
// clipboard held. A column without such a run empties the clipboard.
void copyMissRunsToClipboard(ToolWindowState &state, int row, int col);

}  // namespace corvessa::charts
