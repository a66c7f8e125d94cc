#pragma once
// The winning-ticket charts: fixed box tickets, one column each from
// column 6 on (the last is column L), won by the draws whose digits sorted
// ascending spell the ticket. A win is "****" on red, with "-Y-" in column 5;
// the other cells hold the miss counts. Every win from the second draw on
// gets a tally in column L + 1, "Winning Number Miss": the number of draws
// the ticket had missed before it, plus one (0 for a win on the draw after
// a win), and a "*" in the column of its range, L + 2 ("0-100") to L + 7
// (">500"). Only L changes from one chart to another.
#include "charts/families/ownedtable.h"
#include "charts/framework/tool.h"
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <string_view>

namespace corvessa::charts {

inline constexpr int kAnyWinCol = 5;
inline constexpr int kFirstWinningTicketCol = 6;
inline constexpr std::string_view kWinMark = "****";
inline constexpr std::string_view kAnyWinMark = "-Y-";

// Rows 1..N: the label form "105|123", H, T and U in draw order, and the
// draw's digits sorted ascending (repeats kept) in column 4.
void fillTicketDrawRows(ResultGrid &grid, const DrawHistory &history);

// "Winning Number Miss" over column L + 1 and the six ranges over L + 2 .. L + 7.
void writeWinningTallyHeaders(ResultGrid &grid, int lastTicketCol);

// On draw rows 1..N: each ticket column 6..L whose header has the number
// value of the row's key gets kWinMark on kRed, and column 5 kAnyWinMark;
// the other cells of 6..L their miss counts; each win from draw row 2 on its
// tally in column L + 1 and "*" in its range column. A win on the first draw
// row is never tallied.
void markAndTallyWinningTickets(ResultGrid &grid, int drawCount, int lastTicketCol);

inline constexpr Rgb kTicketShade = rgb(170, 210, 176);

// A member of the family of winning-ticket charts; the caption is the title too.
struct WinningTicketForm {
  ToolIdentity id;  // the title is the caption: titledWindow; no page: a "Help" that opens nothing
  // Headers of columns 6, 7, ... in column order: each three digits in
  // ascending order, as the draws' sorted digits are, or the tool is refused
  // when it is registered.
  OwnedTable<std::string_view> tickets;
  // The tickets whose draw cells are shaded in kTicketShade before the
  // marking, so a win ends red over the shade; none without it.
  bool (*shadedTicket)(std::string_view ticket) = nullptr;
};
ToolEntry winningTicketTool(const WinningTicketForm &form);

}  // namespace corvessa::charts
