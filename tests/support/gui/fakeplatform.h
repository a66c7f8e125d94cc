#pragma once
// A scripted platform: each call is recorded, and dialogs answer from queues
// that the test fills beforehand ("next answer Yes", "next file name ...").
// An empty queue answers No, cancel or the empty text.
#include "gui/platform/platform.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace corvessa::test {

class FakePlatform final : public Platform {
 public:
  struct Message {
    QString text;
    MessageStyle style;
    QString title;
    bool busyPointer = false;  // the hourglass was set while the message showed
    QString ownerCaption;      // the caption of the window that showed it
    bool ownerShown = false;   // that window was on the screen, so the message showed over it
    QStringList shownWindows;  // the captions of every window on the screen then
  };
  struct Input {
    QString prompt, title, defaultText;
  };

  // Scripts.
  std::deque<MessageAnswer> answers;               // for Yes/No questions
  std::deque<QString> inputs;                      // for input boxes
  std::deque<std::optional<QString>> openFiles;    // nullopt: cancel
  std::deque<std::optional<QString>> saveFiles;
  bool browserStarts = true;                       // false: every page fails to open

  // Records.
  std::vector<Message> messages;
  std::vector<Input> inputRequests;
  std::vector<FileDialogRequest> openRequests, saveRequests;
  QStringList opened;  // pages and addresses handed to the browser, opened or not
  QString clipboard;

  MessageAnswer message(QWidget *parent, const QString &text, MessageStyle style, const QString &title) override;
  QString input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText) override;
  std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) override;
  std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) override;
  bool openInBrowser(QWidget *parent, const QString &pageOrUrl) override;
  void setClipboardText(const QString &text) override { clipboard = text; }
  QString clipboardText() override { return clipboard; }

  const Message &lastMessage() const { return messages.back(); }
};

}  // namespace corvessa::test
