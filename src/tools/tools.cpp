#include "tools/tools.h"

namespace corvessa::tools {

void addAllTools(ToolRegistry &registry) { addWinningFromTools(registry); }

}  // namespace corvessa::tools
