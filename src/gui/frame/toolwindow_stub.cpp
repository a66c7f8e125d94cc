// Placeholder until the tool window frame lands.
#include "charts/tool.h"
#include "gui/toolwindows.h"

namespace corvessa {
QWidget *createStandardToolWindow(const ToolEntry &, Platform &) { return nullptr; }
}  // namespace corvessa
