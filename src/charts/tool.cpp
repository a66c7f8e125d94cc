#include "charts/tool.h"

namespace corvessa {

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
  return grid;
}

}  // namespace corvessa
