#pragma once
// The family of tickets-follow charts: fixed box tickets, one column each
// from column 5 on, marked on the draws that hit them, a gather column
// marked on every draw that hits any ticket, the miss counts between the
// marks and the statistics under the draws; some add the letter of each set
// of tickets that a draw hit. A member is its description:
// tools/box/<window>.cpp returns ticketChartTool({...}).
#include "charts/families/ownedtable.h"
#include "charts/missstats.h"
#include "charts/framework/tool.h"

#include <string_view>

namespace corvessa::charts {

enum class TicketMatch {
  SortedKey,  // the draw's sorted digits, repeats kept, equal the ticket (tickets may repeat a digit)
  BoxKey,     // the draw's digits are the ticket's three digits in any order
};

// A description whose tickets could never match as `match` reads them, or
// whose letters do not share the tickets out evenly into their columns, is
// refused when the tool is registered.
struct TicketChartForm {
  ToolIdentity id;                            // the title is the caption: titledWindow
  OwnedTable<std::string_view> tickets;       // headers of columns 5, 6, ... in column order
  TicketMatch match;
  std::string_view mark;
  const char *gatherHeader;
  // The gather column gets miss counts and statistics like a ticket column;
  // where it does not, its cells hold the mark or nothing.
  bool gatherCounted;
  AverageForm average;  // of a column without hits
  // Sets of equal size in column order, one letter each; the letters'
  // columns follow the gather column, `letterCols` of them.
  std::string_view setLetters = {};
  int letterCols = 0;
  int ticketColWidth = 372;
  int gatherColWidth = 620;
  double fontPoints = 7.5;
};

ToolEntry ticketChartTool(const TicketChartForm &form);

}  // namespace corvessa::charts
