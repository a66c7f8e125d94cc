#include "gui/windowlife.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace corvessa {

namespace {

// Posts the action once the window it watches is exposed, then goes.
class ExposeWatch final : public QObject {
 public:
  ExposeWatch(QWindow *handle, std::function<void()> post) : QObject(handle), handle_(handle), post_(std::move(post)) {
    handle->installEventFilter(this);
  }

  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == handle_ && event->type() == QEvent::Expose && handle_->isExposed() && post_) {
      std::exchange(post_, nullptr)();
      deleteLater();
    }
    return false;
  }

 private:
  QWindow *handle_;
  std::function<void()> post_;
};

}  // namespace

void whenOnScreen(QWidget *window, std::function<void()> action) {
  QPointer<QWidget> guard(window);
  auto post = [guard, action = std::move(action)] {
    if (!guard)
      return;
    QMetaObject::invokeMethod(
        guard.data(),
        [guard, action] {
          if (guard && guard->isVisible())
            action();
        },
        Qt::QueuedConnection);
  };
  QWindow *handle = window->window()->windowHandle();
  if (handle && handle->isExposed())
    post();
  else if (handle)
    new ExposeWatch(handle, std::move(post));
  // A window that was never shown has nothing to wait for: it says nothing.
}

EndWithTheLastWindow::EndWithTheLastWindow() { qApp->installEventFilter(this); }

EndWithTheLastWindow::~EndWithTheLastWindow() { qApp->removeEventFilter(this); }

bool EndWithTheLastWindow::anyWindowOpen() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (const QWidget *w : windows) {
    switch (w->windowType()) {
      case Qt::Popup:
      case Qt::ToolTip:
      case Qt::Desktop:
        continue;  // they go by themselves
      default:
        break;
    }
    if (w->isVisible() && !w->testAttribute(Qt::WA_DontShowOnScreen))
      return true;
  }
  return false;
}

bool EndWithTheLastWindow::eventFilter(QObject *watched, QEvent *event) {
  if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && watched->isWidgetType() &&
      static_cast<QWidget *>(watched)->isWindow())
    lookAgain();
  return false;
}

void EndWithTheLastWindow::lookAgain() {
  if (looking_)
    return;
  looking_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        looking_ = false;
        // Only the running program ends, not a test that drives windows without it.
        if (QThread::currentThread()->loopLevel() > 0 && !anyWindowOpen())
          QCoreApplication::quit();
      },
      Qt::QueuedConnection);
}

}  // namespace corvessa
