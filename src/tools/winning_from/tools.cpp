// The tools of the "Winning number from" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmgaopin6ma();
ToolEntry frmgaopin6ma36();
ToolEntry frmgaopin7ma();
ToolEntry frmgaopin7ma36();
ToolEntry frmzuxuan4();
ToolEntry frmzuxuan1();
ToolEntry frmzuxuan6();
ToolEntry frmzuxuan7();
ToolEntry frmzuxuanqt();
ToolEntry frm6lianhao();
ToolEntry frmlingleizu6();
ToolEntry frmrenwenleng();
ToolEntry frmxzd();
ToolEntry frm4qufenge();

void addWinningFromTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmgaopin6ma, frmgaopin6ma36, frmgaopin7ma, frmgaopin7ma36, frmzuxuan4, frmzuxuan1,
                              frmzuxuan6, frmzuxuan7, frmzuxuanqt, frm6lianhao, frmlingleizu6, frmrenwenleng, frmxzd,
                              frm4qufenge})
    registry.add(tool());
}

}  // namespace corvessa::tools
