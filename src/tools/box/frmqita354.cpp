// "18 Tickets follow ABC": three groups of 18 box tickets, a ticket with a
// repeated digit among them, hit by the draws whose sorted digits spell it.
#include "tools/box/tools.h"

#include "charts/families/ticketform.h"

#include <array>

namespace corvessa::tools {
namespace {

// The k-th line holds the k-th ticket of groups A, B and C.
constexpr std::array<std::string_view, 3> kTicketsByRank[] = {
    {"037", "027", "058"}, {"055", "045", "067"}, {"127", "126", "229"}, {"136", "038", "238"},
    {"145", "047", "247"}, {"057", "056", "256"}, {"129", "128", "346"}, {"138", "236", "445"},
    {"156", "245", "078"}, {"345", "178", "249"}, {"077", "259", "267"}, {"158", "349", "348"},
    {"167", "358", "456"}, {"239", "367", "269"}, {"338", "457", "278"}, {"347", "279", "368"},
    {"356", "378", "458"}, {"455", "459", "467"},
};
constexpr int kGroupSize = int(std::size(kTicketsByRank));

// In column order: group A in columns 5 to 22, B in 23 to 40, C in 41 to 58.
constexpr auto kTickets = [] {
  std::array<std::string_view, 3 * kGroupSize> columns{};
  for (int k = 0; k < kGroupSize; ++k)
    for (int group = 0; group < 3; ++group)
      columns[std::size_t(group * kGroupSize + k)] = kTicketsByRank[k][std::size_t(group)];
  return columns;
}();

}  // namespace

ToolEntry frmqita354() {
  return charts::ticketChartTool(
      {.id = titledWindow("frmqita354", "18 Tickets follow ABC", "\\help\\N_Tickets_follow.htm"),
       .tickets = kTickets,
       .match = charts::TicketMatch::SortedKey,
       .mark = "***",
       .gatherHeader = "Gather",
       .gatherCounted = false,
       .average = charts::AverageForm::DrawCount,
       .setLetters = "ABC",
       .letterCols = 3});
}

}  // namespace corvessa::tools
