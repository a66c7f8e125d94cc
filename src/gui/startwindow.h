#pragma once
#include <QWidget>

class QPushButton;
class QRadioButton;
class QLabel;

namespace corvessa {

class Platform;
class MainWindow;

// The welcome window: one game option, "Home Page" and "Start".
class StartWindow : public QWidget {
  Q_OBJECT
 public:
  explicit StartWindow(Platform &platform, QWidget *parent = nullptr);

  QRadioButton *Option1 = nullptr;
  QPushButton *Command1 = nullptr;  // "Home Page"
  QPushButton *Command2 = nullptr;  // "Start"
  QLabel *Label2 = nullptr;         // version

 private:
  void Option1_Click();
  void Command1_Click();
  void Command2_Click();

  Platform &platform_;
};

}  // namespace corvessa
