#pragma once
// Miss counts between the hits of a mark column, and the footer rows
// "Amount", "Max Miss", "Current Miss" and "Average" under the draws.
#include "core/resultgrid.h"

#include <string_view>

namespace corvessa::charts {

// The number a text starts with, leading blanks skipped; 0 when it starts with none.
long long leadingNumber(std::string_view text);

// Every empty cell of draw rows 1..N in columns first..last gets the number of
// draws since the column's last hit (any non-empty cell ends a run).
void fillMissCounts(ResultGrid &grid, int drawCount, int firstCol, int lastCol);

enum class AverageForm {
  EmptyWhenNoHit,  // "Average" stays empty in a column without hits
  Full,            // a column without hits shows N
};

// Appends the four footer rows for columns 5..lastCol, counting the cells
// whose text is exactly `mark`. Max Miss is the longest count over rows 1..N,
// so it never sits below Current Miss; with no draws every value is 0.
void appendMissStatistics(ResultGrid &grid, int drawCount, int lastCol, std::string_view mark,
                          AverageForm form = AverageForm::EmptyWhenNoHit);

inline constexpr Rgb kFooterBack = rgb(231, 225, 239);
inline constexpr Rgb kFooterFore = rgb(0, 0, 255);

}  // namespace corvessa::charts
