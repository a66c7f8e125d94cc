#pragma once
// A tool window is its design (data) and its load (the chart computation).
// Each tool registers both once; the menus, the tool window frame, the chart
// dumper and the benchmark find it by its window name.
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <QString>
#include <optional>
#include <vector>

namespace corvessa {

enum class ToolLayout {
  GridAndExit,         // grid, "Exit" under its right edge
  GridExitAndHelp,     // and "Help" 100 twips left of "Exit"
  Custom,              // the window lays itself out
};

struct ButtonDesign {
  QString caption;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  bool visible = true;
};

struct ToolDesign {
  QString windowName;  // "frmgaopin6ma36"
  QString menuItem;    // "caigaopin6ma36"
  QString caption;     // the design's caption, shown until the load replaces it
  QString title;       // the caption once the chart is ready
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
};

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
