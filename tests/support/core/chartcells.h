#pragma once
// Charts of registered tools on small histories, and their cells as the
// chart dumper prints them with colours.
#include "charts/framework/tool.h"

#include <string>
#include <vector>

namespace corvessa::test {

// The registered tool; throws std::invalid_argument when there is none.
const ToolEntry &registeredTool(const char *window);

// The tool's chart on draws given as "941", labelled 1, 2, ... in order.
ResultGrid chartOfDraws(const char *window, const std::vector<std::string> &draws);

// Every grid row's cells as `corvessa-chart --colors` prints them: the text,
// then "{f=.. b=..}" where the cell has colours of its own.
std::vector<std::vector<std::string>> dumpedCells(const ResultGrid &grid);

}  // namespace corvessa::test
