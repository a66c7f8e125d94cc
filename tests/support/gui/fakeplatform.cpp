#include "support/gui/fakeplatform.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace corvessa::test {

namespace {

// The next scripted answer, or `whenEmpty` once the script has run out.
template <typename T>
T takeNext(std::deque<T> &script, T whenEmpty) {
  if (script.empty())
    return whenEmpty;
  // Swapped out rather than moved: GCC 12 takes a moved std::optional<QString> for uninitialised.
  std::swap(whenEmpty, script.front());
  script.pop_front();
  return whenEmpty;
}

}  // namespace

MessageAnswer FakePlatform::message(QWidget *parent, const QString &text, MessageStyle style, const QString &title) {
  const QCursor *pointer = QApplication::overrideCursor();
  QStringList shown;
  for (const QWidget *window : QApplication::topLevelWidgets())
    if (window->isVisible())
      shown << window->windowTitle();
  messages.push_back(Message{text, style, title, pointer && pointer->shape() == Qt::WaitCursor,
                             parent ? parent->window()->windowTitle() : QString(),
                             parent && parent->window()->isVisible(), shown});
  if (style == MessageStyle::OkInformation || style == MessageStyle::OkWarning)
    return MessageAnswer::Ok;
  return takeNext(answers, MessageAnswer::No);
}

QString FakePlatform::input(QWidget *, const QString &prompt, const QString &title, const QString &defaultText) {
  inputRequests.push_back(Input{prompt, title, defaultText});
  return takeNext(inputs, QString());
}

std::optional<QString> FakePlatform::openFileName(QWidget *, const FileDialogRequest &request) {
  openRequests.push_back(request);
  return takeNext<std::optional<QString>>(openFiles, std::nullopt);
}

std::optional<QString> FakePlatform::saveFileName(QWidget *, const FileDialogRequest &request) {
  saveRequests.push_back(request);
  return takeNext<std::optional<QString>>(saveFiles, std::nullopt);
}

bool FakePlatform::openInBrowser(QWidget *, const QString &pageOrUrl) {
  opened << pageOrUrl;
  return browserStarts;
}

}  // namespace corvessa::test
