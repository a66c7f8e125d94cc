#pragma once
// A tool's window as text, for the chart dumper (corvessa-chart, its command
// line in devtools/chartdump) and for tests.
//
// The grid: one line per grid row from row 0, each ended by "\n"; the cells
// of a row from column 0, separated by one tab; each cell's text as it
// stands (UTF-8, no quoting, no trimming). With colours, a cell that has a
// colour of its own is followed by "{f=RRGGBB}" (text colour), "{b=RRGGBB}"
// (background) or "{f=RRGGBB b=RRGGBB}", in upper-case hexadecimal; a cell
// that shows the grid's own colours gets nothing.
#include "charts/framework/toolsession.h"

#include <iosfwd>
#include <string>

namespace corvessa::charts {

std::string chartDumpText(const ResultGrid &grid, bool withColors = false);
// The same text written to `out` row by row as it is made, so a chart of
// any size needs no more memory than one row's text.
void writeChartDump(std::ostream &out, const ResultGrid &grid, bool withColors = false);

// What the window shows besides its cells, one tab-separated line each:
// caption, title, client size, font, help page, each control in design
// order, column widths, the row heights the load set, and the top row.
std::string designDumpText(const ToolSession &session);

}  // namespace corvessa::charts
