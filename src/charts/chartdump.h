#pragma once
// A tool's grid as text, for the chart dumper (corvessa-chart) and for tests.
//
// One line per grid row from row 0, each ended by "\n"; the cells of a row
// from column 0, separated by one tab; each cell's text as it stands (UTF-8,
// no quoting, no trimming). With colours, a cell that has a colour of its
// own is followed by "{f=RRGGBB}" (text colour), "{b=RRGGBB}" (background)
// or "{f=RRGGBB b=RRGGBB}", in upper-case hexadecimal; a cell that shows the
// grid's own colours gets nothing.
#include "core/resultgrid.h"

#include <ostream>
#include <string>
#include <vector>

namespace corvessa::charts {

std::string chartDumpText(const ResultGrid &grid, bool withColors = false);

// corvessa-chart [--colors] WINDOW_NAME DRAW_FILE: the registered tool's
// grid for the draw file, computed as its window computes it. Returns the
// exit status: 0, or 2 (with a message on err) for a wrong command line, an
// unknown window name or a draw file that cannot be read. Left-out records
// are reported on err and the grid is printed all the same.
int runChartDump(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

}  // namespace corvessa::charts
