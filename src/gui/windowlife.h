#pragma once
// When a window is on the screen, and when the program ends.
#include <QObject>
#include <functional>

class QWidget;

namespace corvessa {

// Runs `action` once `window` is on the screen: shown, placed by the desktop
// and exposed, so that a message it gives shows over it rather than before
// it, where the desktop would put a box without a window under it. The
// action runs from the event loop, and not at all when the window has been
// hidden or destroyed meanwhile.
void whenOnScreen(QWidget *window, std::function<void()> action);

// While it lives, the program ends once none of its windows is on the
// screen: not a main, tool or editor window, nor a message box or dialog
// (one left over a window that went away is answered first). Menus and tool
// tips never keep it running.
//
// The toolkit's own rule is not enough: it ends the program when a window
// closes and no other counts as open, but a tool tip, a menu or a message
// box that shows between that close and the end cancels the end for good,
// and a window hidden before it closes, or a message box over a window that
// went away, never counts. So every window that hides has the program look
// again, once the event that hid it is over.
class EndWithTheLastWindow final : public QObject {
 public:
  EndWithTheLastWindow();
  ~EndWithTheLastWindow() override;
  EndWithTheLastWindow(const EndWithTheLastWindow &) = delete;
  EndWithTheLastWindow &operator=(const EndWithTheLastWindow &) = delete;

  // A window of the program is on the screen: one the user can still close.
  static bool anyWindowOpen();

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void lookAgain();
  bool looking_ = false;
};

}  // namespace corvessa
