#pragma once
// The program-wide slots of the tool windows, one per window name. A window
// is created when its menu item is first chosen and shown modeless without
// an owner; choosing it again while it is open brings it forward (out of
// the task bar if it was minimised, keeping it maximised if it was), and once
// it has been closed the next choice loads it afresh.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>

namespace corvessa {

class Platform;
class ToolRegistry;
struct ToolEntry;

class ToolWindows {
 public:
  // The windows of the tools in the registry, which outlives them.
  explicit ToolWindows(const ToolRegistry &tools) : tools_(tools) {}

  // The program's windows, of every tool of its menus.
  static ToolWindows &instance();

  // A tool is available when the registry holds it.
  bool isAvailable(const QString &windowName) const;

  // Shows the open instance, or creates and shows a new one. Returns it, or
  // nullptr when the tool is not available.
  QWidget *open(const QString &windowName, Platform &platform);
  QWidget *openInstance(const QString &windowName) const;

 private:
  const ToolRegistry &tools_;
  std::map<QString, QPointer<QWidget>> open_;
};

// The standard tool window for a registered chart (the shared frame), loaded.
QWidget *createStandardToolWindow(const ToolEntry &tool, Platform &platform);

}  // namespace corvessa
