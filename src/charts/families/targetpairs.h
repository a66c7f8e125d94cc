#pragma once
// The family of target-pair charts: every draw with its sum, width and the
// three pairs of its sorted digits, and ten fixed pairs marked where the draw
// holds them. A member is its description: tools/pairs/<window>.cpp returns
// targetPairTool({...}).
#include "charts/framework/tool.h"

#include <array>

namespace corvessa::charts {

struct TargetPairForm {
  ToolIdentity id;                     // the title is the caption: titledWindow
  // The headers of the ten target columns, smaller digit first as the
  // draws' sorted pairs are, or the tool is refused when it is registered.
  std::array<const char *, 10> pairs;
};

// The window: 20 columns (label, H T U, the sum "S" on its colour, the width
// "W", the three sorted pairs, a narrow spacer, the ten targets), the hidden
// Command1 emptying cells 0..6 of the spare row, and "Exit"; no "Help".
ToolEntry targetPairTool(const TargetPairForm &form);

}  // namespace corvessa::charts
