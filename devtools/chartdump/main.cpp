// corvessa-chart [OPTIONS] WINDOW_NAME DRAW_FILE, or corvessa-chart --list
// Prints the grid that the tool window WINDOW_NAME computes for DRAW_FILE;
// the command line is described in commandline.h, the format in
// src/charts/framework/chartdump.h.
#include "chartdump/commandline.h"
#include "tools/menus.h"

#include <iostream>

int main(int argc, char **argv) {
  std::ios::sync_with_stdio(false);
  return corvessa::runChartDump(corvessa::toolRegistry(), std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr);
}
