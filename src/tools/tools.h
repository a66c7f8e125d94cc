#pragma once
// The tools of the eight menus. Each menu folder lists its tools once, in
// its tools.cpp; the registry (charts/framework/tool.h) takes them all from here.
namespace corvessa {
class ToolRegistry;
}

namespace corvessa::tools {

void addAllTools(ToolRegistry &registry);

// One list per menu folder.
void addWinningFromTools(ToolRegistry &registry);
void addBoxTools(ToolRegistry &registry);
void addDigitTools(ToolRegistry &registry);
void addStraightTools(ToolRegistry &registry);
void addPairTools(ToolRegistry &registry);
void addThreeWayBoxTools(ToolRegistry &registry);
void addSumWidthTools(ToolRegistry &registry);
void addOtherTools(ToolRegistry &registry);

}  // namespace corvessa::tools
