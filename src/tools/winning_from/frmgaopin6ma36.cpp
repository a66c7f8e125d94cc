// Box draws, 6 Way and 3 Way, whose digits all lie in the six digits 145789.
#include "charts/digitset.h"

namespace corvessa {
namespace {

constexpr charts::DigitSetForm kForm{
    .windowName = "frmgaopin6ma36",
    .menuItem = "caigaopin6ma36",
    .caption = "Box winning number from this \"6 digits\"",
    .title = "Box winning number from this 6 digits",
    .digits = "145789",
    .marking = charts::DigitSetMarking::AnyBox,
};

void load(ResultGrid &grid, const DrawHistory &history) { charts::loadDigitSetForm(grid, history, kForm); }

const bool registered = registerTool(charts::digitSetDesign(kForm), load);

}  // namespace
}  // namespace corvessa
