#include "charts/families/ticketform.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/tickets.h"
#include "charts/standardwindow.h"

namespace corvessa::charts {

namespace {

void loadTicketChart(ToolWindowState &state, const DrawHistory &history, const TicketChartForm &form) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  const int lastTicketCol = kFirstTicketCol + int(form.tickets.size()) - 1;
  const int gatherCol = lastTicketCol + 1;
  const int lastCountedCol = form.gatherCounted ? gatherCol : lastTicketCol;

  grid.reserveRows(n + 6);  // the footer's rows too: a grid of 100 columns is not copied when it grows
  startDrawRows(state);
  const bool sortedKey = form.match == TicketMatch::SortedKey;
  fillDrawRowsWithBoxKey(grid, history, kKeyCol, sortedKey ? makeSortedDrawKey : makeBoxKey);
  writeDigitHeaders(grid);
  writeGroupHeaders(grid, kFirstTicketCol, form.tickets);
  grid.setText(0, gatherCol, form.gatherHeader);
  showSpareRow(grid, n);

  // The marking reads the tickets back from the header row.
  if (sortedKey)
    markTicketKeyHits(grid, n, lastTicketCol, gatherCol, form.mark);
  else
    markTicketHits(grid, n, lastTicketCol, gatherCol, form.mark);
  fillMissCountsAndFooter(
      grid, n, {.firstCol = kFirstTicketCol, .lastCol = lastCountedCol, .mark = form.mark, .average = form.average});
  if (form.average == AverageForm::DrawCount)
    grid.setCurrentCell(n + 5, lastCountedCol);  // these statistics end on their last cell
  if (!form.setLetters.empty())
    markTicketSets(grid, n, int(form.tickets.size() / form.setLetters.size()), form.setLetters, gatherCol + 1,
                   form.mark);
}

void checkTickets(const TicketChartForm &form) {
  for (std::string_view ticket : form.tickets) {
    const bool sortedKey = form.match == TicketMatch::SortedKey;
    if (ticket.size() != 3 || !(sortedKey ? areAscendingDigits(ticket) : areDifferentDigits(ticket)))
      descriptionFault(form.id, QStringLiteral("the ticket \"%1\" is not three %2")
                                    .arg(QString::fromUtf8(ticket),
                                         sortedKey ? QStringLiteral("digits in ascending order")
                                                   : QStringLiteral("different digits")));
  }
  const std::size_t letters = form.setLetters.size();
  if (letters > 0 && (form.tickets.size() % letters != 0 || std::size_t(form.letterCols) < letters))
    descriptionFault(form.id, QStringLiteral("%1 set letters do not share %2 tickets out into %3 letter columns")
                                  .arg(letters)
                                  .arg(form.tickets.size())
                                  .arg(form.letterCols));
}

}  // namespace

ToolEntry ticketChartTool(const TicketChartForm &form) {
  checkTickets(form);
  const int lastTicketCol = kFirstTicketCol + int(form.tickets.size()) - 1;
  const int gatherCol = lastTicketCol + 1;
  // The key is data for the marking, not for reading.
  std::vector<ColumnWidths> widths = {{0, 0, 1218},
                                      {1, 3, 300},
                                      {kKeyCol, kKeyCol, 30},
                                      {kFirstTicketCol, lastTicketCol, form.ticketColWidth},
                                      {gatherCol, gatherCol, form.gatherColWidth}};
  if (form.letterCols > 0)
    widths.push_back({gatherCol + 1, gatherCol + form.letterCols, 300});
  ToolDesign d = standardWindow({.id = form.id,
                                 .cols = gatherCol + 1 + form.letterCols,
                                 .widths = std::move(widths),
                                 .fontPoints = form.fontPoints});
  return ToolEntry{std::move(d), [form](ToolWindowState &state, const DrawHistory &history) {
                     loadTicketChart(state, history, form);
                   }};
}

}  // namespace corvessa::charts
