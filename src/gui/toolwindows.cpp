#include "gui/toolwindows.h"

#include "gui/frame/toolwindow.h"
#include "tools/menus.h"

namespace corvessa {

ToolWindows &ToolWindows::instance() {
  static ToolWindows windows(toolRegistry());
  return windows;
}

bool ToolWindows::isAvailable(const QString &windowName) const { return tools_.find(windowName) != nullptr; }

QWidget *ToolWindows::openInstance(const QString &windowName) const {
  const auto it = open_.find(windowName);
  return it == open_.end() ? nullptr : it->second.data();
}

namespace {

// In front, active, and no longer minimised if the user had minimised it.
void bringForward(QWidget *window) {
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

QWidget *ToolWindows::open(const QString &windowName, Platform &platform) {
  if (QWidget *window = openInstance(windowName)) {
    bringForward(window);
    return window;
  }
  const ToolEntry *tool = tools_.find(windowName);
  if (!tool)
    return nullptr;
  QWidget *window = createStandardToolWindow(*tool, platform);
  window->setAttribute(Qt::WA_DeleteOnClose);
  open_[windowName] = window;
  bringForward(window);
  return window;
}

QWidget *createStandardToolWindow(const ToolEntry &tool, Platform &platform) {
  auto *window = new ToolWindow(tool, platform);
  window->load();
  return window;
}

}  // namespace corvessa
