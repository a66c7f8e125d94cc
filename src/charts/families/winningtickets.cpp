#include "charts/families/winningtickets.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/tickets.h"
#include "charts/standardwindow.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace corvessa::charts {

void fillTicketDrawRows(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRowsWithBoxKey(grid, history, kKeyCol, makeSortedDrawKey, LabelForm::Ticket);
}

namespace {

struct TallyRange {
  long long upTo;  // the range's largest value
  const char *header;
};
constexpr TallyRange kTallyRanges[] = {
    {100, "0-100"}, {200, "101-200"}, {300, "201-300"}, {400, "301-400"}, {500, "401-500"}, {-1, ">500"},
};

int rangeOffset(long long value) {
  int i = 0;
  while (kTallyRanges[i].upTo >= 0 && value > kTallyRanges[i].upTo)
    ++i;
  return i;
}

}  // namespace

void writeWinningTallyHeaders(ResultGrid &grid, int lastTicketCol) {
  grid.setText(0, lastTicketCol + 1, "Winning Number Miss");
  for (int i = 0; i < int(std::size(kTallyRanges)); ++i)
    grid.setText(0, lastTicketCol + 2 + i, kTallyRanges[i].header);
}

void markAndTallyWinningTickets(ResultGrid &grid, int drawCount, int lastTicketCol) {
  if (drawCount < 1)
    return;
  const ResultGrid::TextId anyWinId = grid.intern(kAnyWinMark), starId = grid.intern(std::string_view("*"));
  const std::uint8_t red = grid.paletteIndex(kRed);
  std::vector<long long> ticketValues;
  for (int c = kFirstWinningTicketCol; c <= lastTicketCol; ++c)
    ticketValues.push_back(leadingNumber(grid.textView(0, c)));
  // A win depends on the row's key alone: the columns of each key are found once.
  std::unordered_map<ResultGrid::TextId, std::vector<int>> columnsOfKey;
  const auto winsOf = [&](int r) -> std::span<const int> {
    const ResultGrid::TextId key = grid.textId(r, kKeyCol);
    auto found = columnsOfKey.find(key);
    if (found == columnsOfKey.end()) {
      const long long value = leadingNumber(grid.viewOf(key));
      std::vector<int> columns;
      for (int c = kFirstWinningTicketCol; c <= lastTicketCol; ++c)
        if (ticketValues[std::size_t(c - kFirstWinningTicketCol)] == value)
          columns.push_back(c);
      found = columnsOfKey.emplace(key, std::move(columns)).first;
    }
    return found->second;
  };
  const auto onWin = [&](int r, int c, int previousWin) {
    grid.setBackColorIndex(r, c, red);
    grid.setTextId(r, kAnyWinCol, anyWinId);
    if (r < 2)
      return;
    // The draws the ticket missed before it, plus one; none after a win on the draw before.
    const long long tally = previousWin == r - 1 ? 0 : r - previousWin;
    grid.setNumber(r, lastTicketCol + 1, tally);
    grid.setTextId(r, lastTicketCol + 2 + rangeOffset(tally), starId);
  };
  markHitsWithMissCounts(grid, drawCount, kFirstWinningTicketCol, lastTicketCol, kWinMark, winsOf, onWin);
}

namespace {

void loadWinningTicketChart(ToolWindowState &state, const DrawHistory &history, const WinningTicketForm &form,
                            const std::vector<int> &shadedCols) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  const int lastTicketCol = kFirstWinningTicketCol + int(form.tickets.size()) - 1;

  startDrawRows(state);
  fillTicketDrawRows(grid, history);
  const std::uint8_t shade = grid.paletteIndex(kTicketShade);
  for (int r = 1; r <= n; ++r)
    for (int c : shadedCols)
      grid.setBackColorIndex(r, c, shade);
  writeDigitHeaders(grid);
  writeGroupHeaders(grid, kFirstWinningTicketCol, form.tickets);
  writeWinningTallyHeaders(grid, lastTicketCol);
  grid.setCurrentCell(n + 1, 1);

  // The marking reads the tickets back from the header row; a win ends red over a shade.
  markAndTallyWinningTickets(grid, n, lastTicketCol);
  grid.setTopRow(grid.rows() - 1);
}

}  // namespace

ToolEntry winningTicketTool(const WinningTicketForm &form) {
  const int lastTicketCol = kFirstWinningTicketCol + int(form.tickets.size()) - 1;
  std::vector<int> shadedCols;
  for (std::size_t i = 0; i < form.tickets.size(); ++i) {
    const std::string_view ticket = form.tickets[i];
    if (ticket.size() != 3 || !areAscendingDigits(ticket))
      descriptionFault(form.id, QStringLiteral("the ticket \"%1\" is not three digits in ascending order")
                                    .arg(QString::fromUtf8(ticket)));
    if (form.shadedTicket && form.shadedTicket(ticket))
      shadedCols.push_back(kFirstWinningTicketCol + int(i));
  }
  ToolDesign d = standardWindow({.id = form.id,
                                 .cols = lastTicketCol + 8,
                                 .widths = {{0, 0, 1032},
                                            {1, kAnyWinCol, 300},
                                            {kFirstWinningTicketCol, lastTicketCol, 420},
                                            {lastTicketCol + 1, lastTicketCol + 1, 1548},
                                            {kKeyCol, kKeyCol, 2}},  // the key is data for the marking only
                                 .reset = SpareRowReset::LongGrid});
  return ToolEntry{std::move(d), [form, shadedCols](ToolWindowState &state, const DrawHistory &history) {
                     loadWinningTicketChart(state, history, form, shadedCols);
                   }};
}

}  // namespace corvessa::charts
