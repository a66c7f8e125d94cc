#include "charts/toolframe.h"

namespace corvessa::charts {

namespace {
void place(FormGeometry &g, const QString &name, const ButtonDesign &b) {
  g[name] = TwipsRect{b.left, b.top, b.width, b.height};
}
}  // namespace

FormGeometry designGeometry(const ToolDesign &design) {
  FormGeometry g;
  g[kGridName] = TwipsRect{0, 0, design.gridWidth, design.gridHeight};
  if (design.resetButton)
    place(g, resetButtonName(design), *design.resetButton);
  place(g, exitButtonName(design), design.exitButton);
  if (design.helpButton)
    place(g, helpButtonName(design), *design.helpButton);
  for (const ToolButton &own : design.ownButtons)
    place(g, own.design.name, own.design);
  for (const TextPanelDesign &panel : design.textPanels)
    g[panel.name] = TwipsRect{panel.left, panel.top, panel.width, panel.height};
  return g;
}

LayoutSteps &LayoutSteps::left(const QString &control, int twips) {
  if (!failed_)
    geometry_[control].left = twips;
  return *this;
}

LayoutSteps &LayoutSteps::top(const QString &control, int twips) {
  if (!failed_)
    geometry_[control].top = twips;
  return *this;
}

LayoutSteps &LayoutSteps::width(const QString &control, int twips) {
  if (!failed_ && twips < 0)
    failed_ = true;
  if (!failed_)
    geometry_[control].width = twips;
  return *this;
}

LayoutSteps &LayoutSteps::height(const QString &control, int twips) {
  if (!failed_ && twips < 0)
    failed_ = true;
  if (!failed_)
    geometry_[control].height = twips;
  return *this;
}

void formResizeLayout(const ToolDesign &design, FormGeometry &geometry, int width, int height) {
  if (design.layout == ToolLayout::Custom) {
    if (design.layoutRule)
      design.layoutRule(geometry, width, height);
    return;
  }
  LayoutSteps s(geometry);
  const QString exit = exitButtonName(design);
  s.left(kGridName, 0).top(kGridName, 0);
  s.height(kGridName, height - 1200);
  s.width(kGridName, width - 210);
  s.top(exit, s[kGridName].height + 225);
  s.left(exit, s[kGridName].width - s[exit].width);
  if (design.layout == ToolLayout::GridExitAndHelp) {
    const QString help = helpButtonName(design);
    s.top(help, s[kGridName].height + 225);
    s.left(help, s[exit].left - s[help].width - 100);
  }
}

void gridCellToggleHighlight(ResultGrid &grid, Rgb highlight) {
  const int row = grid.currentRow(), col = grid.currentCol();
  if (row < 0 || col < 0 || row >= grid.rows() || col >= grid.cols())
    return;
  grid.setBackColor(row, col, grid.backColor(row, col) != highlight ? highlight : 0);
}

}  // namespace corvessa::charts
