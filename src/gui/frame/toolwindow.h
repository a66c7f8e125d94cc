#pragma once
// The tool window frame: one window class for every registered tool
// (charts/framework/tool.h). It builds the design's controls, lays them out by the
// design's steps, runs the load and the handlers through a ToolSession (the
// charts library), and shows the state they leave: the grid, the caption, and each
// control's text, visibility and state. As the session's host it shows the
// handlers' messages and busy caption, sets the clipboard, closes the window
// and opens help pages.
//
// The load: caption "Loading......" and the busy pointer (unless the design
// has none), the current lottery read once, the tool's load, the title, the
// grid shown and scrolled to its top row, then, once the window is on the
// screen, one "Error:" message over it when the draw file could not be read
// or some of its records were left out.
//
// Mouse events on the cells reach the session with grid coordinates; the
// fixed row and column take none, as they never become the current cell,
// but for a double-click on a column's header in a window whose
// double-click acts on the whole column.
// Tab in the grid or a text box goes on to the next control, and a text box
// refuses at once a paste that would make its text longer than its design
// allows.
//
// The view's current cell is the grid's: after the load and every handler
// the view takes the grid's, and a key or click gives the grid the view's.
// The grid's top row is the row in view when a handler starts; when the
// handler sets it (or changes the grid's shape) the view scrolls to it.
#include "charts/framework/toolframe.h"
#include "charts/framework/toolsession.h"

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class QPushButton;
class QPlainTextEdit;
class QLabel;
class QGroupBox;

namespace corvessa {

class Platform;
class GridModel;
class GridView;

class ToolWindow : public QWidget, private ToolHost {
  Q_OBJECT
 public:
  ToolWindow(const ToolEntry &tool, Platform &platform, QWidget *parent = nullptr);
  ~ToolWindow() override;

  // Form_Load: reads the current lottery's draws, builds the chart through
  // the session and shows it.
  void load();
  // The load's last step: shows the state the session's load left (the
  // grid, the title, the controls), scrolled to the grid's top row.
  void showChart();

  const ToolDesign &design() const { return session_.design(); }
  ToolSession &session() { return session_; }
  ToolWindowState &state() { return session_.state(); }
  const ResultGrid &grid() const { return session_.state().grid; }
  GridView *gridView() const { return view_; }
  // A control by its design name; nullptr when the design has none of that kind.
  QWidget *control(const QString &name) const;
  QPushButton *button(const QString &name) const;
  QPlainTextEdit *textBox(const QString &name) const;
  QLabel *label(const QString &name) const;
  QGroupBox *frame(const QString &name) const;
  // The places of the controls after the last layout, in twips.
  const charts::FormGeometry &formGeometry() const { return geometry_; }

 protected:
  void resizeEvent(QResizeEvent *event) override;
  void showEvent(QShowEvent *event) override;

 private:
  // ToolHost
  void showMessage(const QString &text, const QString &title, MessageStyle style) override;
  void showBusy(bool busy, const QString &caption) override;
  void setClipboardText(const QString &text) override;
  void closeWindow() override;
  void openHelpPage(const QString &page) override;
  bool hasRoomToShow(const ResultGrid &grid) const override;

  QWidget *makeControl(const ControlDesign &design);
  void applyGeometry();
  void runHandler(const std::function<void()> &handler);
  // Shows the state the load or a handler left; true when the grid's shape changed.
  bool showState();
  // Scrolls to the grid's top row now, or when the window shows.
  void showTopRow();
  // The grid cell (row, col) of a view index.
  std::pair<int, int> cellOf(const QModelIndex &index) const;
  // A press, click or double-click on a grid cell, run as a handler.
  void runCellEvent(void (ToolSession::*event)(int row, int col), std::pair<int, int> cell);

  ToolSession session_;
  Platform &platform_;
  // What the load said before the window showed.
  struct PendingMessage {
    QString text, title;
    MessageStyle style;
  };
  std::vector<PendingMessage> messagesOnScreen_;
  GridModel *model_ = nullptr;
  GridView *view_ = nullptr;
  std::map<QString, QWidget *> controls_;
  charts::FormGeometry geometry_;
  bool scrollPending_ = true;
  bool busyCursor_ = false;
};

}  // namespace corvessa
