// corvessa-chart [--colors] WINDOW_NAME DRAW_FILE
// Prints the grid that the tool window WINDOW_NAME computes for DRAW_FILE;
// the format is described in src/charts/framework/chartdump.h.
#include "charts/framework/chartdump.h"

#include <iostream>

int main(int argc, char **argv) {
  std::ios::sync_with_stdio(false);
  return corvessa::charts::runChartDump(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
