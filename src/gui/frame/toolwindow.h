#pragma once
// The tool window frame: one window class for every tool whose chart is
// registered with registerTool() (charts/tool.h). It shows the design, runs
// the load, and runs the tool's handlers; the tool itself never touches a
// widget, so all of it stays in core, testable and dumpable.
//
// The load: caption "Loading......" and the busy pointer (unless
// ToolDesign::showsLoadingCaption is false), the current lottery read once,
// the tool's ChartLoad on a fresh grid, the title, the grid shown and
// scrolled to its top row, then one "Error:" message when the draw file
// could not be read or some of its records were left out.
//
// A tool with extras describes them in its ToolDesign:
// - Buttons: `exitButton` ("Exit", CloseForm) and `helpButton` ("Help",
//   OpenHelpPage with `helpPage`; kept hidden while `helpPage` is empty) are
//   named Command2 and Command3 unless ButtonDesign::name says otherwise
//   (a window whose "Exit" is Command1 sets exitButton.name = "Command1" and
//   resetButton = std::nullopt). `resetButton` is the hidden Command1 that
//   runs `resetRows`.
// - Own buttons: `ownButtons`, each a ButtonDesign with its name and a
//   ToolAction. A click runs the action on the window's ToolWindowState;
//   the action may change the grid, the window caption, and the caption or
//   visibility of any own button or text panel (state.controls[name]), keep
//   values of its own in state.values, and put text on the clipboard. The
//   frame shows all of it when the action returns.
// - Text panels: `textPanels` (a multi-line text box with a vertical scroll
//   bar, e.g. a hidden "Text1" over the grid). What the user typed is in
//   state.controls[name].text when a handler runs.
// - Layout: `layout` = ToolLayout::Custom and `layoutRule`, a function of
//   the window's client size in twips that moves the controls of a
//   FormGeometry, best written with charts::LayoutSteps so that a size too
//   small ends the layout silently (charts/toolframe.h).
// - Cells: `highlight` (a press on a cell toggles that background colour,
//   GridCellToggleHighlight), and `onCellPress`, `onCellClick`,
//   `onCellDoubleClick` with grid coordinates, the pressed cell being the
//   grid's current cell.
// A window that is not this frame at all registers a factory of its own with
// ToolWindows::registerWindow().
#include "charts/tool.h"

#include <QWidget>
#include <functional>
#include <map>

class QPushButton;
class QPlainTextEdit;

namespace corvessa {

class Platform;
class GridModel;
class GridView;

class ToolWindow : public QWidget {
  Q_OBJECT
 public:
  ToolWindow(const ToolEntry &tool, Platform &platform, QWidget *parent = nullptr);
  ~ToolWindow() override;

  // Form_Load: reads the current lottery's draws and builds the chart.
  void load();
  // Shows a grid that has been computed already (the load's last steps).
  void showChart(ResultGrid grid, int drawCount);

  const ToolDesign &design() const { return tool_.design; }
  ToolWindowState &state() { return state_; }
  const ResultGrid &grid() const { return state_.grid; }
  GridView *gridView() const { return view_; }
  QPushButton *button(const QString &name) const;
  QPlainTextEdit *textPanel(const QString &name) const;
  // The places of the controls after the last layout, in twips.
  const FormGeometry &formGeometry() const { return geometry_; }

  void CloseForm();
  void OpenHelpPage();
  void Command1_Click();  // the hidden reset

 protected:
  void resizeEvent(QResizeEvent *event) override;
  void showEvent(QShowEvent *event) override;

 private:
  QPushButton *addButton(const QString &name, const ButtonDesign &design);
  void applyGeometry();
  void runHandler(const std::function<void()> &handler);
  void cellEvent(CellAction action, const QModelIndex &index, bool press);
  void showState(int rowsBefore, int colsBefore);

  ToolEntry tool_;
  Platform &platform_;
  ToolWindowState state_;
  GridModel *model_ = nullptr;
  GridView *view_ = nullptr;
  std::map<QString, QWidget *> controls_;
  FormGeometry geometry_;
  bool scrollPending_ = true;
};

}  // namespace corvessa
