#include "support/gui/fakeplatform.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace corvessa::test {

MessageAnswer FakePlatform::message(QWidget *parent, const QString &text, MessageStyle style, const QString &title) {
  const QCursor *pointer = QApplication::overrideCursor();
  messages.push_back(Message{text, style, title, pointer && pointer->shape() == Qt::WaitCursor,
                             parent ? parent->window()->windowTitle() : QString()});
  if (style == MessageStyle::OkInformation)
    return MessageAnswer::Ok;
  if (answers.empty())
    return MessageAnswer::No;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

QString FakePlatform::input(QWidget *, const QString &prompt, const QString &title, const QString &defaultText) {
  inputRequests.push_back(Input{prompt, title, defaultText});
  if (inputs.empty())
    return QString();
  QString text = inputs.front();
  inputs.pop_front();
  return text;
}

std::optional<QString> FakePlatform::openFileName(QWidget *, const FileDialogRequest &request) {
  openRequests.push_back(request);
  if (openFiles.empty())
    return std::nullopt;
  std::optional<QString> file = openFiles.front();
  openFiles.pop_front();
  return file;
}

std::optional<QString> FakePlatform::saveFileName(QWidget *, const FileDialogRequest &request) {
  saveRequests.push_back(request);
  if (saveFiles.empty())
    return std::nullopt;
  std::optional<QString> file = saveFiles.front();
  saveFiles.pop_front();
  return file;
}

bool FakePlatform::openInBrowser(QWidget *, const QString &pageOrUrl) {
  opened << pageOrUrl;
  return browserStarts;
}

}  // namespace corvessa::test
