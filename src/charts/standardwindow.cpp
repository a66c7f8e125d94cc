#include "charts/standardwindow.h"

#include "charts/drawrows.h"

#include <stdexcept>
#include <utility>

namespace corvessa::charts {

void resetSpareRow(ToolWindowState &state, SpareRowReset reset) {
  switch (reset) {
    case SpareRowReset::None:
      break;
    case SpareRowReset::Cells0To5:
      resetGridRows(state.grid, state.drawCount, 5);
      break;
    case SpareRowReset::Cells0To6:
      resetGridRows(state.grid, state.drawCount, 6);
      break;
    case SpareRowReset::LongGrid:
      resetGridRowsLong(state.grid, state.drawCount);
      break;
  }
}

ResultGrid &startDrawRows(ToolWindowState &state) {
  if (!state.resetRows)
    throw std::logic_error("startDrawRows in a window without a reset button");
  state.resetRows(state);
  return state.grid;
}

std::vector<ColumnWidths> joinWidths(std::initializer_list<std::span<const ColumnWidths>> parts) {
  std::vector<ColumnWidths> runs;
  for (std::span<const ColumnWidths> part : parts)
    runs.insert(runs.end(), part.begin(), part.end());
  return runs;
}

ControlDesign spareRowResetButton(SpareRowReset reset) {
  return resetButton([reset](ToolWindowState &s) { resetSpareRow(s, reset); });
}

ToolDesign standardWindow(StandardWindow window) {
  ToolDesign d{std::move(window.id)};
  d.clientWidth = window.clientWidth;
  d.clientHeight = window.clientHeight;
  d.cols = window.cols;
  d.colWidths = std::move(window.widths);
  d.fontPoints = window.fontPoints;
  d.controls = {gridControl(window.gridWidth, window.gridHeight)};
  if (window.reset != SpareRowReset::None)
    d.controls.push_back(spareRowResetButton(window.reset));
  std::vector<ControlDesign> buttons = {exitButton(window.exitPlace, window.exitName)};
  if (window.help != HelpButton::None)
    buttons.insert(window.helpBeforeExit ? buttons.begin() : buttons.end(),
                   helpButton(window.helpPlace, window.help == HelpButton::Shown));
  d.controls.insert(d.controls.end(), buttons.begin(), buttons.end());
  d.layout = window.help == HelpButton::None ? standardLayout({window.exitName})
                                             : standardLayout({window.exitName, QStringLiteral("Command3")});
  d.highlight = window.highlight;
  d.showsLoadingCaption = window.showsLoadingCaption;
  return d;
}

}  // namespace corvessa::charts
