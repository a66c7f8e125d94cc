#pragma once
// The seam between the windows and the desktop: message boxes, the input
// box, file dialogs, opening pages in the system's browser and the clipboard.
// The program uses QtPlatform; tests script a fake.
#include "core/messagestyle.h"

#include <QString>
#include <optional>

class QWidget;

namespace corvessa {

enum class MessageAnswer { Yes, No, Ok };

struct FileDialogRequest {
  QString title;
  QString fileName;       // proposed name, may be empty
  QString filter;         // "description|pattern", pairs separated by "|"
  QString initialFolder;  // empty: the dialog's own choice
  bool showHiddenFiles = false;  // names beginning with a dot are listed too
};

class Platform {
 public:
  virtual ~Platform() = default;
  virtual MessageAnswer message(QWidget *parent, const QString &text, MessageStyle style, const QString &title) = 0;
  // The entered text; cancelling gives the empty text.
  virtual QString input(QWidget *parent, const QString &prompt, const QString &title,
                        const QString &defaultText = QString()) = 0;
  // The chosen existing file, or nothing when cancelled.
  virtual std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
  // The chosen path (the dialog asks before overwriting), or nothing when cancelled.
  virtual std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
  // Hands a local page or an address to the system's browser without waiting.
  // False when no browser could be started for it.
  virtual bool openInBrowser(QWidget *parent, const QString &pageOrUrl) = 0;
  virtual void setClipboardText(const QString &text) = 0;
  virtual QString clipboardText() = 0;
};

class QtPlatform final : public Platform {
 public:
  MessageAnswer message(QWidget *parent, const QString &text, MessageStyle style, const QString &title) override;
  QString input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText) override;
  std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) override;
  std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) override;
  bool openInBrowser(QWidget *parent, const QString &pageOrUrl) override;
  void setClipboardText(const QString &text) override;
  QString clipboardText() override;
};

// Opens a help page or one of the maker's pages for a window's button. When
// no browser can be started, one "Error:" message with the warning icon
// names the page, so the user can still find it.
void openPage(Platform &platform, QWidget *owner, const QString &pageOrUrl);

// Sizes in the designs are twips; the screen is taken at 96 dpi.
constexpr int twipsToPixels(int twips) { return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15); }
constexpr int pixelsToTwips(int pixels) { return pixels * 15; }

// "Lottery file|*.txt" as a Qt name filter: "Lottery file (*.txt)".
QString qtNameFilter(const QString &filter);

}  // namespace corvessa
