#pragma once
// The rules of the tool window frame as plain functions of data, so they are
// tested without widgets: the places of the controls for a window size, and
// the highlight that a press on a cell switches on and off.
#include "charts/tool.h"

namespace corvessa::charts {

// The controls where the design puts them: the grid, the buttons (the
// hidden reset button included) and the text panels.
FormGeometry designGeometry(const ToolDesign &design);

// Steps of a layout, applied in order. A step that would give a control a
// negative width or height fails, and every later step is skipped, so a
// window made too small keeps the places the earlier steps gave.
class LayoutSteps {
 public:
  explicit LayoutSteps(FormGeometry &geometry) : geometry_(geometry) {}
  LayoutSteps &left(const QString &control, int twips);
  LayoutSteps &top(const QString &control, int twips);
  LayoutSteps &width(const QString &control, int twips);
  LayoutSteps &height(const QString &control, int twips);
  const TwipsRect &operator[](const QString &control) { return geometry_[control]; }
  bool failed() const { return failed_; }

 private:
  FormGeometry &geometry_;
  bool failed_ = false;
};

// The window's resize rule for a window of width x height twips: the grid
// fills it less 210 twips of width and 1200 of height, "Exit" sits 225 twips
// under the grid at its right edge and "Help" 100 twips left of "Exit"; a
// custom layout runs the design's own rule.
void formResizeLayout(const ToolDesign &design, FormGeometry &geometry, int width, int height);

// Switches the current cell's background between `highlight` and the grid's
// own colour. A colour the tool gave the cell does not come back.
void gridCellToggleHighlight(ResultGrid &grid, Rgb highlight);

}  // namespace corvessa::charts
