#include "charts/framework/toolframe.h"

namespace corvessa::charts {

ControlDesign gridControl(int width, int height) {
  return ControlDesign{.kind = ControlKind::Grid, .name = kGridName, .place = {0, 0, width, height}};
}

ControlDesign resetButton(ToolAction reset, TwipsRect place) {
  return ControlDesign{.name = QStringLiteral("Command1"), .caption = QStringLiteral("Command1"), .place = place,
                       .visible = false, .role = ControlRole::Reset, .action = std::move(reset)};
}

ControlDesign exitButton(TwipsRect place, const QString &name) {
  return ControlDesign{.name = name, .caption = QStringLiteral("Exit"), .place = place, .role = ControlRole::Exit};
}

ControlDesign helpButton(TwipsRect place, bool visible, const QString &name) {
  return ControlDesign{.name = name, .caption = QStringLiteral("Help"), .place = place, .visible = visible,
                       .role = ControlRole::Help};
}

ControlDesign actionButton(const QString &name, const QString &caption, TwipsRect place, ToolAction action) {
  return ControlDesign{.name = name, .caption = caption, .place = place, .action = std::move(action)};
}

std::vector<LayoutStep> standardLayout(std::vector<QString> buttonsFromTheRight) {
  return {layout::Grid{}, layout::ButtonsUnderGrid{std::move(buttonsFromTheRight)}};
}

FormGeometry designGeometry(const ToolDesign &design) {
  FormGeometry g;
  for (const ControlDesign &c : design.controls)
    g[c.name] = c.place;
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

namespace {

struct StepRunner {
  LayoutSteps &s;
  int width, height;

  void operator()(const layout::Grid &step) const {
    s.left(kGridName, 0).top(kGridName, 0);
    s.height(kGridName, height - step.heightLess);
    s.width(kGridName, width - step.widthLess);
  }
  void operator()(const layout::ButtonsUnderGrid &step) const {
    int right = s[kGridName].width + step.gap;  // the first button's right edge is the grid's
    for (const QString &button : step.fromTheRight) {
      s.top(button, s[kGridName].height + step.below);
      s.left(button, right - step.gap - s[button].width);
      right = s[button].left;
    }
  }
  void operator()(const layout::LabelUnderGrid &step) const {
    s.left(step.label, step.left);
    s.top(step.label, s[kGridName].height + step.below);
  }
  void operator()(const layout::LabelUnderLabel &step) const {
    s.left(step.label, step.left);
    s.top(step.label, s[step.above].top + s[step.above].height + step.gap);
  }
  void operator()(const layout::FrameUnderGrid &step) const {
    s.width(step.frame, width - step.widthLess);
    s.top(step.frame, s[kGridName].height + step.below);
    s.left(step.frame, step.left);
  }
  void operator()(const layout::PlaceAt &step) const { s.top(step.control, step.top).left(step.control, step.left); }
};

}  // namespace

void formResizeLayout(const ToolDesign &design, FormGeometry &geometry, int width, int height) {
  LayoutSteps s(geometry);
  for (const LayoutStep &step : design.layout) {
    std::visit(StepRunner{s, width, height}, step);
    if (s.failed())
      return;
  }
}

void gridCellToggleHighlight(ResultGrid &grid, Rgb highlight) {
  const int row = grid.currentRow(), col = grid.currentCol();
  if (row < 0 || col < 0 || row >= grid.rows() || col >= grid.cols())
    return;
  grid.setBackColor(row, col, grid.backColor(row, col) != highlight ? highlight : 0);
}

}  // namespace corvessa::charts
