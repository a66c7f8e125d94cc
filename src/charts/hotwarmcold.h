#pragma once
// Hot, warm and cold digits: the ten digits ranked by how often they occurred
// in the seven draws before a row; equal counts stand in ascending digit
// order. "Cold Warm Hot" calls ranks 1 to 3 hot, 4 to 7 warm and 8 to 10
// cold; Recommend "Pairs" pairs up ranks 1 to 4 as hot and 7 to 10 as cold.
#include "core/resultgrid.h"

namespace corvessa::charts {

// The grid's columns for the ranking, shared by every window that ranks.
inline constexpr int kFirstCountCol = 1;    // 1..10: the count of digit c - 1
inline constexpr int kFirstRankCol = 12;    // 12..21: the digits, rank 1 first
inline constexpr int kFirstHotCol = 12;     // 12..14, the classes of "Cold Warm Hot"
inline constexpr int kFirstWarmCol = 15;    // 15..18
inline constexpr int kFirstColdCol = 19;    // 19..21
inline constexpr int kLastRankCol = 21;
inline constexpr int kRankDigitCol = 34;    // 34..36: H, T, U of the draw row
inline constexpr int kRankedDraws = 7;

inline constexpr Rgb kCountExactly2 = rgb(255, 243, 42);
inline constexpr Rgb kCountBelow2 = rgb(1, 188, 243);

// For every row r from 8 to N + 1, the coming draw's row included, of a grid
// of N draws in rows 1..N: the counts of the ten digits over the
// digits in columns 34..36 of rows r - 7 .. r - 1 (a repeated digit counts
// twice) into columns 1..10, coloured by count, and the header texts of those
// columns (their digits) into columns 12..21 in descending order of count.
// A cell that holds no digit 0 to 9 is not counted.
void rankDigitsHotWarmCold(ResultGrid &grid, int drawCount);

}  // namespace corvessa::charts
