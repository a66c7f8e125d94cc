#pragma once
// A tool window without widgets: its state, its load and its handlers, run
// exactly as the frame runs them. The frame (gui/frame/toolwindow.h) shows
// what a session leaves; the chart dumper and the tests drive one headless.
#include "charts/framework/tool.h"

#include <QStringList>
#include <optional>

namespace corvessa {

class ToolSession {
 public:
  // The host receives messages, the busy caption, the clipboard, Exit and
  // Help; without one they go nowhere.
  explicit ToolSession(ToolEntry tool, ToolHost *host = nullptr);

  const ToolDesign &design() const { return tool_.design; }
  ToolWindowState &state() { return state_; }
  const ToolWindowState &state() const { return state_; }

  // Form_Load: "Loading......" and the busy pointer (unless the design has
  // none), a fresh grid for the design, the tool's load on the history, then
  // the title.
  void load(const DrawHistory &history, int gameType = 0);

  // A click on the named control: "Exit" closes, "Help" opens the design's
  // page, a button with an action of its own runs it.
  void click(const QString &control);
  // The user's text in a text box.
  void type(const QString &textBox, const QString &text);
  // Mouse events on the grid cell (row, col). The cell becomes the current
  // cell first; a press also toggles the design's highlight. On the fixed
  // row or column they do nothing, but for a double-click on a column's
  // header where the design acts on the column.
  void press(int row, int col);
  void clickCell(int row, int col);
  void doubleClick(int row, int col);

  // Types the text into the input box and clicks the enquiry button; false
  // when the window has none.
  bool enquire(const QString &text);

 private:
  void run(const std::function<void()> &handler);
  void cellEvent(const CellAction &action, int row, int col, bool press);

  ToolEntry tool_;
  ToolWindowState state_;
};

// A host that keeps what the handlers asked for, for tests and the chart dumper.
class RecordingHost final : public ToolHost {
 public:
  struct Message {
    QString text, title;
    MessageStyle style;
    QString caption;  // the window's caption while it showed
    bool busy;        // with the busy pointer
  };
  std::vector<Message> messages;
  std::vector<std::pair<bool, QString>> busyCaptions;  // each change, in order
  std::optional<QString> clipboard;                     // nothing: never set
  bool closed = false;
  QStringList openedPages;

  void showMessage(const QString &text, const QString &title, MessageStyle style) override;
  void showBusy(bool busy, const QString &caption) override;
  void setClipboardText(const QString &text) override { clipboard = text; }
  void closeWindow() override { closed = true; }
  void openHelpPage(const QString &page) override { openedPages << page; }

 private:
  bool busy_ = false;
  QString caption_;
};

}  // namespace corvessa
