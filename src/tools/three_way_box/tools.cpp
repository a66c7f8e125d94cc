// The tools of the "3 Way Box" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

void addThreeWayBoxTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : std::initializer_list<ToolEntry (*)()>{})
    registry.add(tool());
}

}  // namespace corvessa::tools
