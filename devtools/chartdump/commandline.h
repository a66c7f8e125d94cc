#pragma once
// The chart dumper's command line, a library so that tests run it too:
//
// corvessa-chart [--colors] [--game N] [--input TEXT]... [--design] WINDOW_NAME DRAW_FILE
// corvessa-chart --list
//
// Runs the tool's load on the draw file as its window does (with the
// GameType N), then types each TEXT into its input box and presses its
// enquiry button, in order. Prints every message a handler showed as a line
// "MESSAGE: " and its text, then the grid (or, with --design, the design
// lines; both as charts/framework/chartdump.h writes them). --list prints
// each window name of the registry and its caption.
// The grid is written row by row as it is made, never held whole as text.
// Returns the exit status: 0, or 2 (with a message on err) for a wrong
// command line, a window name the registry does not hold, a window without
// an input box for --input, a draw file that cannot be read, or output that
// could not be written; 3 (with a message on err) when memory ran out while
// the chart was made or written. Left-out records are reported on err and
// the grid is printed all the same.
#include <ostream>
#include <string>
#include <vector>

namespace corvessa {

class ToolRegistry;

int runChartDump(const ToolRegistry &tools, const std::vector<std::string> &arguments, std::ostream &out,
                 std::ostream &err);

}  // namespace corvessa
