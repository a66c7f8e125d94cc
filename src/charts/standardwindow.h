#pragma once
// The standard tool window as data: the grid at the top left, the hidden
// Command1 that resets the grid's rows, "Exit" (Command2) and "Help"
// (Command3) under the grid's right edge, and the resize rule that keeps
// them there. Families and tools describe their window with it and add
// only the controls of their own.
#include "charts/framework/toolframe.h"

#include <initializer_list>
#include <span>
#include <vector>

namespace corvessa::charts {

// What a click on the hidden Command1 does: the grid gets its rows for the
// draws again, and the first cells of the spare row N + 1 are emptied.
enum class SpareRowReset {
  None,       // no Command1
  Cells0To5,  // N + 2 rows, cells 0..5 emptied
  Cells0To6,  // N + 2 rows, cells 0..6 emptied
  LongGrid,   // N + 5 rows, cells 0..4 emptied
};

enum class HelpButton { None, Shown, Hidden };

inline constexpr TwipsRect kExitPlace = {10200, 6000, 1335, 375};
inline constexpr TwipsRect kHelpPlace = {8760, 6000, 1335, 375};

struct StandardWindow {
  ToolIdentity id;
  int clientWidth = 11625, clientHeight = 6720;  // twips
  // The grid's size in the design; the resize rule gives it the client's
  // size less 210 x 1200 at once.
  int gridWidth = 11595, gridHeight = 5895;
  int cols = 0;
  std::vector<ColumnWidths> widths = {};
  SpareRowReset reset = SpareRowReset::Cells0To6;
  HelpButton help = HelpButton::Shown;
  TwipsRect exitPlace = kExitPlace;
  TwipsRect helpPlace = kHelpPlace;
  double fontPoints = 7.5;
  QString exitName = QStringLiteral("Command2");  // Command1 in a window without a reset
  bool helpBeforeExit = false;                    // in the design's order of controls
  Rgb highlight = 0;                              // toggled by a press on a cell; 0: none
  bool showsLoadingCaption = true;
};

// The design: the grid, Command1 where there is a reset, "Exit", "Help"
// where there is one (or "Help", then "Exit"); the grid and the buttons
// from the right ("Exit", then "Help") as the resize rule.
ToolDesign standardWindow(StandardWindow window);

// Width runs one after another: a window's own after the ones it shares.
std::vector<ColumnWidths> joinWidths(std::initializer_list<std::span<const ColumnWidths>> parts);

// The reset of Command1 on the window's state.
void resetSpareRow(ToolWindowState &state, SpareRowReset reset);
// A load's first step: the grid's rows for the draws and the spare row under
// them, made by the design's own reset (a click on the hidden Command1), so
// the two never differ. Returns the grid. In a window without a reset it
// throws std::logic_error.
ResultGrid &startDrawRows(ToolWindowState &state);
// The hidden Command1 with that reset, for a window whose controls come in
// an order of their own.
ControlDesign spareRowResetButton(SpareRowReset reset);

}  // namespace corvessa::charts
