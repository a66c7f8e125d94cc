#pragma once
// The frame of the tool windows as plain data and functions, so it is tested
// without widgets: the usual controls, the resize rule's steps, and the
// highlight that a press on a cell switches on and off.
#include "charts/framework/tool.h"

#include <map>

namespace corvessa::charts {

// The usual controls of a tool window, at their usual places (twips).
ControlDesign gridControl(int width = 11595, int height = 5895);
// The hidden Command1 whose click resets the grid's rows.
ControlDesign resetButton(ToolAction reset, TwipsRect place = {8760, 6120, 1335, 375});
ControlDesign exitButton(TwipsRect place = {10200, 6000, 1335, 375}, const QString &name = QStringLiteral("Command2"));
ControlDesign helpButton(TwipsRect place = {8760, 6000, 1335, 375}, bool visible = true,
                         const QString &name = QStringLiteral("Command3"));
// A button with an action of the tool's own.
ControlDesign actionButton(const QString &name, const QString &caption, TwipsRect place, ToolAction action);

// The standard resize rule: the grid, then these buttons under it from its
// right edge ("Exit", then "Help" 100 twips to its left).
std::vector<LayoutStep> standardLayout(std::vector<QString> buttonsFromTheRight = {QStringLiteral("Command2")});

// Control places in twips by name, each relative to its parent.
using FormGeometry = std::map<QString, TwipsRect>;

// The controls where the design puts them.
FormGeometry designGeometry(const ToolDesign &design);

// The design's layout steps for a window of width x height twips (its client size).
void formResizeLayout(const ToolDesign &design, FormGeometry &geometry, int width, int height);

// One step at a time on a geometry. A step that would give a control a
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

// Switches the current cell's background between `highlight` and the grid's
// own colour. A colour the tool gave the cell does not come back.
void gridCellToggleHighlight(ResultGrid &grid, Rgb highlight);

}  // namespace corvessa::charts
