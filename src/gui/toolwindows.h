#pragma once
// The program-wide slots of the tool windows, one per window name. A window
// is created when its menu item is first chosen and shown modeless without
// an owner; choosing it again while it is open brings it forward, and once
// it has been closed the next choice loads it afresh.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>

namespace corvessa {

class Platform;
struct ToolEntry;

class ToolWindows {
 public:
  // Creates a window for a tool; its load runs before the window is shown.
  using Factory = std::function<QWidget *(const QString &windowName, Platform &platform)>;

  static ToolWindows &instance();

  // A tool is available when its chart is registered (core) or a window of
  // its own is registered here.
  bool isAvailable(const QString &windowName) const;
  void registerWindow(const QString &windowName, Factory factory);
  void unregisterWindow(const QString &windowName) { factories_.erase(windowName); }

  // Shows the open instance, or creates and shows a new one. Returns it, or
  // nullptr when the tool is not available.
  QWidget *open(const QString &windowName, Platform &platform);
  QWidget *openInstance(const QString &windowName) const;

 private:
  std::map<QString, Factory> factories_;
  std::map<QString, QPointer<QWidget>> open_;
};

// The standard tool window for a registered chart (the shared frame).
QWidget *createStandardToolWindow(const ToolEntry &tool, Platform &platform);

}  // namespace corvessa
