#include "charts/tool.h"

namespace corvessa {

namespace {
QString nameOr(const QString &name, const char *usual) { return name.isEmpty() ? QString::fromLatin1(usual) : name; }
}  // namespace

QString resetButtonName(const ToolDesign &design) {
  return nameOr(design.resetButton ? design.resetButton->name : QString(), "Command1");
}
QString exitButtonName(const ToolDesign &design) { return nameOr(design.exitButton.name, "Command2"); }
QString helpButtonName(const ToolDesign &design) {
  return nameOr(design.helpButton ? design.helpButton->name : QString(), "Command3");
}

ToolRegistry &ToolRegistry::instance() {
  static ToolRegistry registry;
  return registry;
}

bool ToolRegistry::add(ToolEntry entry) {
  for (ToolEntry &existing : entries_)
    if (existing.design.windowName == entry.design.windowName) {
      existing = std::move(entry);
      return true;
    }
  entries_.push_back(std::move(entry));
  return true;
}

const ToolEntry *ToolRegistry::find(const QString &windowName) const {
  for (const ToolEntry &entry : entries_)
    if (entry.design.windowName == windowName)
      return &entry;
  return nullptr;
}

ResultGrid computeChart(const ToolEntry &tool, const DrawHistory &history) {
  ResultGrid grid(2, tool.design.cols);
  grid.setFixedRows(1);
  grid.setFixedCols(1);
  grid.setFontPoints(tool.design.fontPoints);
  if (tool.load)
    tool.load(grid, history);
  grid.squeeze();
  return grid;
}

}  // namespace corvessa
