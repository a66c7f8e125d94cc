#pragma once
// A tool's window as text, for the chart dumper (corvessa-chart) and for tests.
//
// The grid: one line per grid row from row 0, each ended by "\n"; the cells
// of a row from column 0, separated by one tab; each cell's text as it
// stands (UTF-8, no quoting, no trimming). With colours, a cell that has a
// colour of its own is followed by "{f=RRGGBB}" (text colour), "{b=RRGGBB}"
// (background) or "{f=RRGGBB b=RRGGBB}", in upper-case hexadecimal; a cell
// that shows the grid's own colours gets nothing.
#include "charts/framework/toolsession.h"

#include <ostream>
#include <string>
#include <vector>

namespace corvessa::charts {

std::string chartDumpText(const ResultGrid &grid, bool withColors = false);

// What the window shows besides its cells, one tab-separated line each:
// caption, title, client size, font, help page, each control in design
// order, column widths, the row heights the load set, and the top row.
std::string designDumpText(const ToolSession &session);

// corvessa-chart [--colors] [--game N] [--input TEXT]... [--design] WINDOW_NAME DRAW_FILE
// corvessa-chart --list
// Runs the registered tool's load on the draw file as its window does (with
// the GameType N), then types each TEXT into its input box and presses its
// enquiry button, in order. Prints every message a handler showed as a line
// "MESSAGE: " and its text, then the grid (or, with --design, the design
// lines). --list prints each registered window name and its caption.
// Returns the exit status: 0, or 2 (with a message on err) for a wrong
// command line, an unknown window name, a window without an input box for
// --input, or a draw file that cannot be read. Left-out records are
// reported on err and the grid is printed all the same.
int runChartDump(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

}  // namespace corvessa::charts
