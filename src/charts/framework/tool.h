#pragma once
// A tool window is its design (data) and its load (the chart computation).
// A registry holds tools by window name: the program's is built from its menu
// table (tools/menus.h), and the tool window frame, the chart dumper and the
// benchmark find a tool in the registry they are given.
//
// Everything a tool does lives below the widgets, in the charts and tools
// libraries, so it can be tested and dumped without them: the frame
// (gui/frame/toolwindow.h) only shows the design, runs the tool's load and
// handlers through a ToolSession (toolsession.h), and shows the state they
// leave.
#include "core/drawfile.h"
#include "core/messagestyle.h"
#include "core/resultgrid.h"

#include <QString>
#include <any>
#include <functional>
#include <map>
#include <variant>
#include <vector>

namespace corvessa {

// A place in twips: left, top, width, height.
struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const TwipsRect &) const = default;
};

inline const QString kGridName = QStringLiteral("MSFlexGrid1");

enum class ControlKind { Grid, Button, Label, TextBox, Frame };

// What a click on a button does besides an action of the tool's own, and the
// parts that the chart dumper's --input drives.
enum class ControlRole {
  None,
  Exit,     // closes the window (CloseForm)
  Help,     // opens the design's help page; a window without a page does nothing
  Input,    // the text box that --input types into
  Enquiry,  // the button that --input presses after typing
  Reset,    // the hidden Command1 that gives the grid its rows for the draws again
};

struct ToolWindowState;
using ToolAction = std::function<void(ToolWindowState &state)>;
// row and col are grid coordinates: row 0 is the header row, column 0 the label column.
using CellAction = std::function<void(ToolWindowState &state, int row, int col)>;
// col is a grid column beside the fixed column.
using ColumnAction = std::function<void(ToolWindowState &state, int col)>;

// One control of a window's design. Its place is relative to its parent: the
// window, or the frame box that `parent` names.
// Every member has a default, so a design names only the members it sets.
struct ControlDesign {
  ControlKind kind = ControlKind::Button;
  QString name{};      // "Command2", "Label1", "Text1", "Frame1", "MSFlexGrid1"
  QString caption{};   // a button's, label's or frame's caption, a text box's first text
  TwipsRect place{};
  QString parent{};    // empty: the window
  bool visible = true;
  bool enabled = true;
  double fontPoints = 0;  // 0: the toolkit's own size
  int maxLength = 0;      // a text box's longest text, in characters; 0: no limit
  Rgb foreColor = 0, backColor = 0;  // 0: the toolkit's own colours
  ControlRole role = ControlRole::None;
  ToolAction action{}; // a button's click handler of the tool's own
};

// The steps of a window's resize rule, run in order on its client size
// (charts/framework/toolframe.h). The first step that would give a control a negative
// width or height ends the layout; the steps before it stay.
namespace layout {
// The grid at the top left, its height and width the client's less these.
struct Grid {
  int heightLess = 1200, widthLess = 210;
};
// Buttons in a row under the grid, from its right edge leftwards, `gap` apart.
struct ButtonsUnderGrid {
  std::vector<QString> fromTheRight;
  int below = 225, gap = 100;
};
// A label `below` twips under the grid's bottom edge, at `left`.
struct LabelUnderGrid {
  QString label;
  int below = 0, left = 20;
};
// A label `gap` twips under another label's bottom edge, at `left`.
struct LabelUnderLabel {
  QString label, above;
  int gap = 40, left = 20;
};
// A frame box under the grid, as wide as the client less `widthLess`.
struct FrameUnderGrid {
  QString frame;
  int below = 10, left = 10, widthLess = 220;
};
// A control moved to a fixed place, its size kept.
struct PlaceAt {
  QString control;
  int left = 0, top = 0;
};
}  // namespace layout
using LayoutStep = std::variant<layout::Grid, layout::ButtonsUnderGrid, layout::LabelUnderGrid,
                                layout::LabelUnderLabel, layout::FrameUnderGrid, layout::PlaceAt>;

// Who a window is, the same four fields in every design and family form.
struct ToolIdentity {
  QString windowName{};  // "frmgaopin6ma36"
  QString caption{};     // the design's caption, shown until the load replaces it
  QString title{};       // the caption once the chart is ready; empty: the caption stays
  QString helpPage{};    // "\help\Topic.htm"; empty when the window has no page
};

// The identity of a window whose caption stays once loaded: the title is the caption.
ToolIdentity titledWindow(const char *windowName, const char *caption, const char *helpPage = "");
// The identity of a window whose title is its caption without the double quotes.
ToolIdentity titledWithoutQuotes(const char *windowName, const char *caption, const char *helpPage = "");

// Columns first..last, both included, `twips` wide.
struct ColumnWidths {
  int first, last, twips;
};

struct ToolDesign : ToolIdentity {
  int clientWidth = 11625, clientHeight = 6720;  // twips
  int cols = 0;
  double fontPoints = 7.5;  // the grid's Arial, fixed cells included
  // The grid's column widths, run after run; a later run overrides an earlier
  // one. Columns no run names keep the grid's default width.
  std::vector<ColumnWidths> colWidths{};
  std::vector<ControlDesign> controls{};  // in design order, the grid among them
  std::vector<LayoutStep> layout{};
  Rgb highlight = 0;   // colour toggled by a press on a cell; 0: no such handler
  bool showsLoadingCaption = true;  // "Loading......" and the busy pointer during the load
  CellAction onCellPress{};         // after the highlight, where there is one
  CellAction onCellClick{};
  CellAction onCellDoubleClick{};
  // A double-click on a column's header in the fixed row, in windows whose
  // double-click acts on a whole column; the header never becomes current.
  ColumnAction onHeaderDoubleClick{};

  const ControlDesign *control(const QString &name) const;
  // The first control of the role, or nullptr.
  const ControlDesign *control(ControlRole role) const;
};

// What a handler sees of a control and may change.
struct ControlState {
  QString text;  // a button's, label's or frame's caption, a text box's text
  bool visible = true;
  bool enabled = true;
};

// What a handler may ask of the world outside its window's state: the frame
// shows it on screen, the chart dumper prints it, tests record it.
class ToolHost {
 public:
  virtual ~ToolHost() = default;
  // A message box; it returns once the user has closed it.
  virtual void showMessage(const QString &text, const QString &title, MessageStyle style) = 0;
  // The caption as it stands now, with the busy pointer or the normal one.
  virtual void showBusy(bool busy, const QString &caption) = 0;
  // Replaces what the clipboard held, with the empty text too.
  virtual void setClipboardText(const QString &text) = 0;
  virtual void closeWindow() = 0;
  // A page named as the designs name them, "\help\Topic.htm".
  virtual void openHelpPage(const QString &page) = 0;
  // Whether what shows the grid has the memory for it now (a window's view
  // needs some for each row); a load whose grid it has not is refused.
  virtual bool hasRoomToShow(const ResultGrid &) const { return true; }
};

// The window as its load and handlers see it.
struct ToolWindowState {
  ResultGrid grid;
  int drawCount = 0;
  int gameType = 0;    // the lottery's GameType when the window loaded
  QString caption;
  // What a click on the design's reset button (ControlRole::Reset) does, so
  // a load can make its rows the same way (charts::startDrawRows); empty in
  // a window without one.
  ToolAction resetRows;

  // The tool's own value of type T, kept as long as the window lives; a
  // value-initialised T the first time it is asked for.
  template <class T>
  T &own() {
    if (!own_.has_value())
      own_ = T{};
    return std::any_cast<T &>(own_);
  }
  // Throws std::bad_any_cast when the window holds no value of type T.
  template <class T>
  const T &own() const {
    return std::any_cast<const T &>(own_);
  }

  // Every control of the design but the grid, by name. A name the design
  // does not have is a mistake in the tool: it throws std::logic_error.
  ControlState &control(const QString &name);
  const ControlState &control(const QString &name) const;
  std::map<QString, ControlState> controls;

  // Shows a message box and waits for it to close.
  void message(const QString &text, const QString &title = QStringLiteral("Information"),
               MessageStyle style = MessageStyle::OkInformation);
  // Sets the caption and the busy pointer until endBusy, or until the handler returns.
  void beginBusy(const QString &busyCaption = QStringLiteral("Please wait......"));
  void endBusy(const QString &newCaption);
  bool isBusy() const { return busy_; }
  // Puts the text on the clipboard; an empty text empties it.
  void setClipboardText(const QString &text);

  ToolHost *host = nullptr;

 private:
  bool busy_ = false;
  std::any own_;
};

// A load builds the chart into state.grid, which comes with the design's
// columns, one fixed row and column and the design's font. state.drawCount
// and state.gameType are set before it runs.
using ChartLoad = std::function<void(ToolWindowState &state, const DrawHistory &history)>;

struct ToolEntry {
  ToolDesign design;
  ChartLoad load;
};

class ToolRegistry {
 public:
  // Checks the design (checkToolDesign) and adds the tool. A window name
  // that the registry holds already throws std::logic_error naming it.
  void add(ToolEntry entry);
  const ToolEntry *find(const QString &windowName) const;
  const std::vector<ToolEntry> &entries() const { return entries_; }

 private:
  std::vector<ToolEntry> entries_;
};

// Throws std::logic_error naming the first fault of a design: a control name
// given twice, no grid "MSFlexGrid1", a parent that is not a frame, a layout
// step that names no control, an input box without an enquiry button, a
// column width run that is empty or reaches past the grid's columns.
void checkToolDesign(const ToolDesign &design);

// A family member's description whose tables contradict what its family
// does with them (a group that names a digit twice, set letters that do
// not share the tickets out evenly) is a mistake in the tool, refused as the
// family builds its entry, so at registration: throws std::logic_error
// naming the window and the fault.
[[noreturn]] void descriptionFault(const ToolIdentity &id, const QString &what);

// A grid for the design: its columns and their widths, one fixed row and
// column, its font.
ResultGrid designGrid(const ToolDesign &design);

// The grid of a tool's load on the history, as its window computes it.
ResultGrid computeChart(const ToolEntry &tool, const DrawHistory &history, int gameType = 0);

// The caption as a title: the design's caption without its double quotes.
QString captionWithoutQuotes(const char *caption);

}  // namespace corvessa
