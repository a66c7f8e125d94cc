#include "support/core/chartcells.h"

#include "charts/framework/chartdump.h"
#include "tools/menus.h"

#include <sstream>
#include <stdexcept>

namespace corvessa::test {

const ToolEntry &registeredTool(const char *window) {
  const ToolEntry *entry = toolRegistry().find(window);
  if (!entry)
    throw std::invalid_argument(std::string("not registered: ") + window);
  return *entry;
}

ResultGrid chartOfDraws(const char *window, const std::vector<std::string> &draws) {
  QByteArray file;
  int label = 1;
  for (const std::string &d : draws)
    file += QByteArray::number(label++) + ' ' + d[0] + ' ' + d[1] + ' ' + d[2] + "\r\n";
  return computeChart(registeredTool(window), parseDrawHistory(file));
}

std::vector<std::vector<std::string>> dumpedCells(const ResultGrid &grid) {
  std::istringstream dump(charts::chartDumpText(grid, true));
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(dump, line);) {
    std::vector<std::string> &cells = rows.emplace_back();
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
      cells.push_back(line.substr(from, tab - from));
    cells.push_back(line.substr(from));
  }
  return rows;
}

}  // namespace corvessa::test
