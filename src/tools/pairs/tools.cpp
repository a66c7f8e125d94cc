// The tools of the "Box Pairs" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

void addPairTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : std::initializer_list<ToolEntry (*)()>{})
    registry.add(tool());
}

}  // namespace corvessa::tools
