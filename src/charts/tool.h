#pragma once
// A tool window is its design (data) and its load (the chart computation).
// Each tool registers both once; the menus, the tool window frame, the chart
// dumper and the benchmark find it by its window name.
//
// Everything a tool does lives here in core, so it can be tested and dumped
// without widgets: the frame (gui/frame/toolwindow.h) only shows the design
// and runs the tool's handlers on a ToolWindowState, then shows the result.
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <QString>
#include <QVariantMap>
#include <map>
#include <optional>
#include <vector>

namespace corvessa {

enum class ToolLayout {
  GridAndExit,         // grid, "Exit" under its right edge
  GridExitAndHelp,     // and "Help" 100 twips left of "Exit"
  Custom,              // the window lays itself out (ToolDesign::layoutRule)
};

struct ButtonDesign {
  ButtonDesign(QString caption = {}, int left = 0, int top = 0, int width = 0, int height = 0, bool visible = true,
               QString name = {})
      : caption(std::move(caption)), left(left), top(top), width(width), height(height), visible(visible),
        name(std::move(name)) {}
  QString caption;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  bool visible = true;
  QString name;  // the control's name; empty: the frame's usual name for its role
};

// A multi-line text box of the design, such as a list shown over the grid.
struct TextPanelDesign {
  QString name;  // "Text1"
  int left = 0, top = 0, width = 0, height = 0;  // twips
  bool visible = false;
  double fontPoints = 7.5;
};

// What a tool's own handlers see of their window and may change. The frame
// shows every change once the handler returns.
struct ControlState {
  QString text;  // a button's caption, a text panel's contents
  bool visible = true;
};

struct ToolWindowState {
  ResultGrid grid;
  int drawCount = 0;
  QString caption;
  std::map<QString, ControlState> controls;  // own buttons and text panels, by name
  QString clipboardText;  // a handler sets it to put a text on the clipboard
  QVariantMap values;     // the tool's own values, kept as long as the window lives
};

using ToolAction = void (*)(ToolWindowState &state);
// row and col are grid coordinates (row 0 is the header row).
using CellAction = void (*)(ToolWindowState &state, int row, int col);

struct ToolButton {
  ButtonDesign design;
  ToolAction action = nullptr;
};

// Control sizes and places in twips, by control name; the grid is "MSFlexGrid1".
struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const TwipsRect &) const = default;
};
using FormGeometry = std::map<QString, TwipsRect>;
// Lays the controls out for a window of width x height twips (its client size).
using LayoutRule = void (*)(FormGeometry &geometry, int width, int height);

// Size the grid for the draws: the hidden Command1's handler.
using ResetRows = void (*)(ResultGrid &grid, int drawCount);

struct ToolDesign {
  QString windowName;  // "frmgaopin6ma36"
  QString menuItem;    // "caigaopin6ma36"
  QString caption;     // the design's caption, shown until the load replaces it
  QString title;       // the caption once the chart is ready; empty: the caption stays
  int clientWidth = 11625, clientHeight = 6720;  // twips
  int gridWidth = 11595, gridHeight = 5895;
  int cols = 0;
  double fontPoints = 7.5;
  QString helpPage;    // "\help\Topic.htm"; empty when the window has no page
  ToolLayout layout = ToolLayout::GridAndExit;
  ButtonDesign exitButton{QStringLiteral("Exit"), 10200, 6000, 1335, 375, true};
  std::optional<ButtonDesign> helpButton;  // Command3, where the window has one
  Rgb highlight = 0;   // colour toggled by a press on a cell; 0: no such handler
  bool showsLoadingCaption = true;  // "Loading......" and the busy pointer during the load

  // The hidden reset button; nullopt where the window has none.
  std::optional<ButtonDesign> resetButton{
      ButtonDesign{QStringLiteral("Command1"), 8760, 6120, 1335, 375, false}};
  ResetRows resetRows = nullptr;
  std::vector<ToolButton> ownButtons;      // buttons with handlers of the tool's own
  std::vector<TextPanelDesign> textPanels;
  LayoutRule layoutRule = nullptr;         // with ToolLayout::Custom
  CellAction onCellPress = nullptr;        // after the highlight, where there is one
  CellAction onCellClick = nullptr;
  CellAction onCellDoubleClick = nullptr;
};

// The names the frame gives its buttons when the design leaves them empty.
QString resetButtonName(const ToolDesign &design);  // "Command1"
QString exitButtonName(const ToolDesign &design);   // "Command2"
QString helpButtonName(const ToolDesign &design);   // "Command3"
inline const QString kGridName = QStringLiteral("MSFlexGrid1");

// Builds the chart into a grid that has the design's columns and font.
using ChartLoad = void (*)(ResultGrid &grid, const DrawHistory &history);

struct ToolEntry {
  ToolDesign design;
  ChartLoad load = nullptr;
};

class ToolRegistry {
 public:
  static ToolRegistry &instance();
  // Returns true so that a tool can register from a static initialiser.
  bool add(ToolEntry entry);
  const ToolEntry *find(const QString &windowName) const;
  const std::vector<ToolEntry> &entries() const { return entries_; }

 private:
  std::vector<ToolEntry> entries_;
};

inline bool registerTool(ToolDesign design, ChartLoad load) {
  return ToolRegistry::instance().add(ToolEntry{std::move(design), load});
}

// A fresh grid for the design (columns, one fixed row and column, font), with
// the tool's load run on the history.
ResultGrid computeChart(const ToolEntry &tool, const DrawHistory &history);

}  // namespace corvessa
