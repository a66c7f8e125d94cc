// Placeholder until the draw editor lands: "Drawings" shows nothing yet.
#include "gui/editor/draweditor.h"

namespace corvessa {
void showDrawEditor(QWidget *, Platform &) {}
}  // namespace corvessa
