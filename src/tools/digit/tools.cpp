// The tools of the "Digit" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

void addDigitTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : std::initializer_list<ToolEntry (*)()>{})
    registry.add(tool());
}

}  // namespace corvessa::tools
