#include "charts/families/ticketform.h"

#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/tickets.h"
#include "charts/framework/toolframe.h"

namespace corvessa::charts {

namespace {

void loadTicketChart(ToolWindowState &state, const DrawHistory &history, const TicketChartForm &form) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  const int lastTicketCol = kFirstTicketCol + int(form.tickets.size()) - 1;
  const int gatherCol = lastTicketCol + 1;
  const int lastCountedCol = form.gatherCounted ? gatherCol : lastTicketCol;

  grid.setColWidth(0, 1218);
  grid.setColWidths(1, 3, 300);
  grid.setColWidth(kKeyCol, 30);  // the key is data for the marking, not for reading
  grid.setColWidths(kFirstTicketCol, lastTicketCol, form.ticketColWidth);
  grid.setColWidth(gatherCol, form.gatherColWidth);
  grid.setColWidths(gatherCol + 1, gatherCol + form.letterCols, 300);

  grid.reserveRows(n + 6);  // the footer's rows too: a grid of 100 columns is not copied when it grows
  resetGridRows(grid, n, 6);
  const bool sortedKey = form.match == TicketMatch::SortedKey;
  fillDrawRowsWithBoxKey(grid, history, kKeyCol, sortedKey ? makeSortedDrawKey : makeBoxKey);
  writeDigitHeaders(grid);
  for (int i = 0; i < int(form.tickets.size()); ++i)
    grid.setText(0, kFirstTicketCol + i, form.tickets[std::size_t(i)]);
  grid.setText(0, gatherCol, form.gatherHeader);
  grid.setCurrentCell(n + 1, 1);
  grid.setTopRow(grid.rows() - 1);

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

}  // namespace

ToolEntry ticketChartTool(const TicketChartForm &form) {
  ToolDesign d;
  d.windowName = QString::fromUtf8(form.windowName);
  d.caption = QString::fromUtf8(form.caption);
  d.title = d.caption;
  d.cols = kFirstTicketCol + int(form.tickets.size()) + 1 + form.letterCols;
  d.fontPoints = form.fontPoints;
  d.helpPage = QStringLiteral("\\help\\N_Tickets_follow.htm");
  d.controls = {gridControl(), resetButton([](ToolWindowState &s) { resetGridRows(s.grid, s.drawCount, 6); }),
                exitButton(), helpButton()};
  d.layout = standardLayout({QStringLiteral("Command2"), QStringLiteral("Command3")});
  return ToolEntry{std::move(d), [form](ToolWindowState &state, const DrawHistory &history) {
                     loadTicketChart(state, history, form);
                   }};
}

}  // namespace corvessa::charts
