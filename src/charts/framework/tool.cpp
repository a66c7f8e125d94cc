#include "charts/framework/tool.h"

#include "charts/framework/toolsession.h"

#include <QStringList>
#include <set>
#include <stdexcept>

namespace corvessa {

ToolIdentity titledWindow(const char *windowName, const char *caption, const char *helpPage) {
  const QString text = QString::fromUtf8(caption);
  return {QString::fromUtf8(windowName), text, text, QString::fromUtf8(helpPage)};
}

ToolIdentity titledWithoutQuotes(const char *windowName, const char *caption, const char *helpPage) {
  return {QString::fromUtf8(windowName), QString::fromUtf8(caption), captionWithoutQuotes(caption),
          QString::fromUtf8(helpPage)};
}

const ControlDesign *ToolDesign::control(const QString &name) const {
  for (const ControlDesign &c : controls)
    if (c.name == name)
      return &c;
  return nullptr;
}

const ControlDesign *ToolDesign::control(ControlRole role) const {
  for (const ControlDesign &c : controls)
    if (c.role == role)
      return &c;
  return nullptr;
}

namespace {
[[noreturn]] void noSuchControl(const QString &name) {
  throw std::logic_error("the window has no control named " + name.toStdString());
}
}  // namespace

ControlState &ToolWindowState::control(const QString &name) {
  const auto it = controls.find(name);
  if (it == controls.end())
    noSuchControl(name);
  return it->second;
}

const ControlState &ToolWindowState::control(const QString &name) const {
  const auto it = controls.find(name);
  if (it == controls.end())
    noSuchControl(name);
  return it->second;
}

void ToolWindowState::message(const QString &text, const QString &title, MessageStyle style) {
  if (host)
    host->showMessage(text, title, style);
}

void ToolWindowState::beginBusy(const QString &busyCaption) {
  caption = busyCaption;
  busy_ = true;
  if (host)
    host->showBusy(true, caption);
}

void ToolWindowState::endBusy(const QString &newCaption) {
  caption = newCaption;
  busy_ = false;
  if (host)
    host->showBusy(false, caption);
}

void ToolWindowState::setClipboardText(const QString &text) {
  if (host)
    host->setClipboardText(text);
}

void ToolRegistry::add(ToolEntry entry) {
  checkToolDesign(entry.design);
  if (find(entry.design.windowName))
    throw std::logic_error("the tool " + entry.design.windowName.toStdString() + " is registered twice");
  entries_.push_back(std::move(entry));
}

const ToolEntry *ToolRegistry::find(const QString &windowName) const {
  for (const ToolEntry &entry : entries_)
    if (entry.design.windowName == windowName)
      return &entry;
  return nullptr;
}

namespace {

QStringList namesIn(const LayoutStep &step) {
  return std::visit(
      [](const auto &s) -> QStringList {
        using S = std::decay_t<decltype(s)>;
        if constexpr (std::is_same_v<S, layout::Grid>)
          return {kGridName};
        else if constexpr (std::is_same_v<S, layout::ButtonsUnderGrid>)
          return QStringList(s.fromTheRight.begin(), s.fromTheRight.end());
        else if constexpr (std::is_same_v<S, layout::LabelUnderGrid>)
          return {s.label};
        else if constexpr (std::is_same_v<S, layout::LabelUnderLabel>)
          return {s.label, s.above};
        else if constexpr (std::is_same_v<S, layout::FrameUnderGrid>)
          return {s.frame};
        else
          return {s.control};
      },
      step);
}

}  // namespace

void descriptionFault(const ToolIdentity &id, const QString &what) {
  throw std::logic_error((id.windowName + ": " + what).toStdString());
}

void checkToolDesign(const ToolDesign &d) {
  if (d.windowName.isEmpty())
    descriptionFault(d, QStringLiteral("a window without a name"));
  if (d.cols < 1)
    descriptionFault(d, QStringLiteral("a grid without columns"));
  // The grid's widths are stored unchecked, so a run past its columns would write beside them.
  for (const ColumnWidths &run : d.colWidths)
    if (run.first < 0 || run.first > run.last || run.last >= d.cols)
      descriptionFault(d, QStringLiteral("the column width run %1..%2 is empty or outside the grid's %3 columns")
                         .arg(run.first)
                         .arg(run.last)
                         .arg(d.cols));
  std::set<QString> names, framesSoFar;
  int inputs = 0, enquiries = 0;
  for (const ControlDesign &c : d.controls) {
    if (c.name.isEmpty() || !names.insert(c.name).second)
      descriptionFault(d, QStringLiteral("the control name \"%1\" is empty or given twice").arg(c.name));
    if (c.kind == ControlKind::Grid && c.name != kGridName)
      descriptionFault(d, QStringLiteral("the grid is named %1, not %2").arg(c.name, kGridName));
    if (!c.parent.isEmpty() && !framesSoFar.count(c.parent))
      descriptionFault(d, QStringLiteral("%1 lies in %2, which is no frame before it").arg(c.name, c.parent));
    if (c.kind == ControlKind::Frame)
      framesSoFar.insert(c.name);
    if (c.role == ControlRole::Input && c.kind != ControlKind::TextBox)
      descriptionFault(d, QStringLiteral("the input control %1 is no text box").arg(c.name));
    if ((c.role == ControlRole::Enquiry || c.role == ControlRole::Exit || c.role == ControlRole::Help) &&
        c.kind != ControlKind::Button)
      descriptionFault(d, QStringLiteral("%1 has a button's role but is no button").arg(c.name));
    inputs += c.role == ControlRole::Input;
    enquiries += c.role == ControlRole::Enquiry;
  }
  if (!d.control(kGridName) || d.control(kGridName)->kind != ControlKind::Grid)
    descriptionFault(d, QStringLiteral("no grid %1").arg(kGridName));
  if (inputs > 1 || enquiries > 1 || inputs != enquiries)
    descriptionFault(d, QStringLiteral("an input box goes with one enquiry button"));
  for (const LayoutStep &step : d.layout)
    for (const QString &name : namesIn(step))
      if (!d.control(name))
        descriptionFault(d, QStringLiteral("the layout names %1, which the design does not have").arg(name));
}

ResultGrid designGrid(const ToolDesign &design) {
  ResultGrid grid(2, design.cols);
  grid.setFixedRows(1);
  grid.setFixedCols(1);
  grid.setFontPoints(design.fontPoints);
  for (const ColumnWidths &run : design.colWidths)
    grid.setColWidths(run.first, run.last, run.twips);
  return grid;
}

ResultGrid computeChart(const ToolEntry &tool, const DrawHistory &history, int gameType) {
  ToolSession session(tool);
  session.load(history, gameType);
  return std::move(session.state().grid);
}

QString captionWithoutQuotes(const char *caption) { return QString::fromUtf8(caption).remove(QLatin1Char('"')); }

}  // namespace corvessa
