#include "charts/framework/toolsession.h"

#include "charts/framework/toolframe.h"

#include <functional>
#include <new>

namespace corvessa {

ToolSession::ToolSession(ToolEntry tool, ToolHost *host) : tool_(std::move(tool)) {
  const ToolDesign &d = tool_.design;
  state_.host = host;
  state_.caption = d.caption;
  state_.grid = designGrid(d);
  for (const ControlDesign &c : d.controls)
    if (c.kind != ControlKind::Grid)
      state_.controls[c.name] = ControlState{c.caption, c.visible, c.enabled};
  if (const ControlDesign *reset = d.control(ControlRole::Reset))
    state_.resetRows = reset->action;
}

namespace {

// Why a grid could not be made, for the "Error:" message.
QString gridTooLargeText(const GridTooLarge &e) {
  return QStringLiteral("This chart needs a grid of %1 cells, more than the %2 cells that fit in this computer's "
                        "memory.")
      .arg(QString::number(qulonglong(e.cells())), QString::number(qulonglong(e.limit())));
}

const QString kErrorTitle = QStringLiteral("Error:");

// Runs `work`; why it stopped for want of memory, or the empty text.
QString memoryFailure(const std::function<void()> &work) {
  try {
    work();
  } catch (const GridTooLarge &e) {
    return gridTooLargeText(e);
  } catch (const std::bad_alloc &) {
    return QStringLiteral("There is not enough memory for this chart.");
  }
  return {};
}

}  // namespace

void ToolSession::load(const DrawHistory &history, int gameType) {
  const ToolDesign &d = tool_.design;
  if (d.showsLoadingCaption)
    state_.beginBusy(QStringLiteral("Loading......"));
  state_.gameType = gameType;
  // A history whose chart does not fit in memory opens the window empty, as
  // one without draws does, and says why once the load is over.
  QString failure = memoryFailure([&] {
    state_.grid = designGrid(d);
    state_.drawCount = int(history.draws.size());
    if (tool_.load)
      tool_.load(state_, history);
    if (state_.host && !state_.host->hasRoomToShow(state_.grid))
      throw std::bad_alloc();
  });
  if (!failure.isEmpty()) {
    failure += QStringLiteral("\nThe history of %1 draws is not shown; the chart shows no draws.")
                   .arg(history.draws.size());
    state_.grid = designGrid(d);
    state_.drawCount = 0;
    if (tool_.load)
      tool_.load(state_, DrawHistory{});
  }
  state_.grid.squeeze();
  const QString caption = d.title.isEmpty() ? state_.caption : d.title;
  if (state_.isBusy())
    state_.endBusy(caption);
  else
    state_.caption = caption;
  if (!failure.isEmpty())
    state_.message(failure, kErrorTitle);
}

void ToolSession::run(const std::function<void()> &handler) {
  // A handler that widens the grid beyond memory (an enquiry of many
  // numbers over a long history) stops there and says so.
  const QString captionBefore = state_.caption;
  const QString failure = memoryFailure(handler);
  if (state_.isBusy())
    state_.endBusy(failure.isEmpty() ? state_.caption : captionBefore);
  if (!failure.isEmpty())
    state_.message(failure, kErrorTitle);
}

void ToolSession::click(const QString &name) {
  const ControlDesign *c = tool_.design.control(name);
  if (!c)
    throw std::logic_error("the window has no control named " + name.toStdString());
  if (c->role == ControlRole::Exit && state_.host)
    state_.host->closeWindow();
  if (c->role == ControlRole::Help && !tool_.design.helpPage.isEmpty() && state_.host)
    state_.host->openHelpPage(tool_.design.helpPage);
  if (c->action)
    run([&] { c->action(state_); });
}

void ToolSession::type(const QString &textBox, const QString &text) { state_.control(textBox).text = text; }

void ToolSession::cellEvent(const CellAction &action, int row, int col, bool press) {
  const Rgb highlight = press ? tool_.design.highlight : 0;
  // The fixed row and column are never the current cell: nothing runs there.
  if ((!action && highlight == 0) || row < state_.grid.fixedRows() || col < state_.grid.fixedCols())
    return;
  run([&] {
    state_.grid.setCurrentCell(row, col);
    if (highlight != 0)
      charts::gridCellToggleHighlight(state_.grid, highlight);
    if (action)
      action(state_, row, col);
  });
}

void ToolSession::press(int row, int col) { cellEvent(tool_.design.onCellPress, row, col, true); }
void ToolSession::clickCell(int row, int col) { cellEvent(tool_.design.onCellClick, row, col, false); }
void ToolSession::doubleClick(int row, int col) {
  const ResultGrid &grid = state_.grid;
  if (tool_.design.onHeaderDoubleClick && row >= 0 && row < grid.fixedRows() && col >= grid.fixedCols() &&
      col < grid.cols()) {
    run([&] { tool_.design.onHeaderDoubleClick(state_, col); });
    return;
  }
  cellEvent(tool_.design.onCellDoubleClick, row, col, false);
}

bool ToolSession::enquire(const QString &text) {
  const ControlDesign *input = tool_.design.control(ControlRole::Input);
  const ControlDesign *enquiry = tool_.design.control(ControlRole::Enquiry);
  if (!input || !enquiry)
    return false;
  type(input->name, text);
  click(enquiry->name);
  return true;
}

void RecordingHost::showMessage(const QString &text, const QString &title, MessageStyle style) {
  messages.push_back(Message{text, title, style, caption_, busy_});
}

void RecordingHost::showBusy(bool busy, const QString &caption) {
  busy_ = busy;
  caption_ = caption;
  busyCaptions.emplace_back(busy, caption);
}

}  // namespace corvessa
