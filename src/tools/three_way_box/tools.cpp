// The tools of the "3 Way Box" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry Form1zu3();
ToolEntry Form1tlj();
ToolEntry Form1zu3bai10();
ToolEntry frmzu3leixing2();
ToolEntry Form1zu3zh();
ToolEntry frmzusan90();

void addThreeWayBoxTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {Form1zu3, Form1tlj, Form1zu3bai10, frmzu3leixing2, Form1zu3zh, frmzusan90})
    registry.add(tool());
}

}  // namespace corvessa::tools
