#include "gui/toolwindows.h"

#include "charts/framework/tool.h"

namespace corvessa {

ToolWindows &ToolWindows::instance() {
  static ToolWindows windows;
  return windows;
}

bool ToolWindows::isAvailable(const QString &windowName) const {
  return factories_.count(windowName) > 0 || ToolRegistry::instance().find(windowName) != nullptr;
}

void ToolWindows::registerWindow(const QString &windowName, Factory factory) {
  factories_[windowName] = std::move(factory);
}

QWidget *ToolWindows::openInstance(const QString &windowName) const {
  const auto it = open_.find(windowName);
  return it == open_.end() ? nullptr : it->second.data();
}

QWidget *ToolWindows::open(const QString &windowName, Platform &platform) {
  if (QWidget *window = openInstance(windowName)) {
    window->show();
    window->raise();
    window->activateWindow();
    return window;
  }
  QWidget *window = nullptr;
  if (const auto it = factories_.find(windowName); it != factories_.end())
    window = it->second(windowName, platform);
  else if (const ToolEntry *tool = ToolRegistry::instance().find(windowName))
    window = createStandardToolWindow(*tool, platform);
  if (!window)
    return nullptr;
  window->setAttribute(Qt::WA_DeleteOnClose);
  open_[windowName] = window;
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace corvessa
