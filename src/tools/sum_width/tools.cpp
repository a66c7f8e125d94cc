// The tools of the "Sum&&Width" and "Others" menus, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

void addSumWidthTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : std::initializer_list<ToolEntry (*)()>{})
    registry.add(tool());
}

}  // namespace corvessa::tools
