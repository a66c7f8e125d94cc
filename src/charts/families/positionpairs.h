#pragma once
// The family of position-pair charts: for each of the pairs (H, T), (H, U)
// and (T, U) of every draw, one value 0 to 9 written into the column of that
// value in the pair's block of ten columns. A member is its description:
// tools/straight/<window>.cpp returns positionPairTool({...}).
#include "charts/framework/tool.h"

namespace corvessa::charts {

// The value of a pair of digits (a, b).
enum class PairValue {
  AbsoluteDifference,  // |a - b|
  SumUnits,            // the units digit of a + b
  ProductUnits,        // the units digit of a * b
};

struct PositionPairForm {
  ToolIdentity id;  // the title is the caption: titledWindow
  PairValue value;
};

// The window: 37 columns (label, H T U, the sum "S", three blocks of ten
// columns with a narrow spacer between them), the hidden Command1 emptying
// cells 0..6 of the spare row, "Exit" and "Help".
ToolEntry positionPairTool(const PositionPairForm &form);

}  // namespace corvessa::charts
