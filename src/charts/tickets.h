#pragma once
// Box tickets: fixed box numbers, each written as three digit characters in
// ascending order ("037", "055") in the header of a column of its own from
// column 5 on. A draw row's key in column 4 says which tickets it hits; a
// hit writes the window's mark into the ticket's column and into the gather
// column that follows the tickets. Both markings write text only.
#include "charts/drawrows.h"
#include "core/resultgrid.h"

#include <string>
#include <string_view>

namespace corvessa::charts {

inline constexpr int kFirstTicketCol = 5;

// A key routine for fillDrawRowsWithBoxKey: the three digits sorted
// ascending in place, repeats kept ("055" for 5 0 5, "777", "049" for 9 0 4).
std::string makeSortedDrawKey(Digits &digits);

// On draw rows 1..N: every ticket column 5..lastCol whose header equals the
// row's key exactly gets `mark`, and so does gatherCol. A key that stands
// over two columns marks both.
void markTicketKeyHits(ResultGrid &grid, int drawCount, int lastCol, int gatherCol, std::string_view mark);

// On draw rows 1..N: a ticket column 5..lastCol gets `mark`, and so does
// gatherCol, where the pairs of equal characters between the header's first
// three characters and the row's box key number exactly 3. For a ticket of
// three different digits that is a draw of those digits in any order; a
// draw with a repeated digit never reaches 3 against such a ticket.
void markTicketHits(ResultGrid &grid, int drawCount, int lastCol, int gatherCol, std::string_view mark);

// The set letters: the ticket columns from 5 on form sets of `setSize`
// columns, one per letter of `letters`. On each draw row whose cells of a
// set hold `mark` the set's letter goes into its own column, the first
// letter at letterCol. Run after the miss counts: only the mark matches.
void markTicketSets(ResultGrid &grid, int drawCount, int setSize, std::string_view letters, int letterCol,
                    std::string_view mark);

}  // namespace corvessa::charts
