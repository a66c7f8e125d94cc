#pragma once
// A scratch program folder for one test: CORVESSA_HOME points at it while the
// object lives, with the data and settings folders in place. The help pages
// stay beside the test program, as Corvessa's stay beside it in its build folder.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace corvessa::test {

class TestHome {
 public:
  TestHome();
  ~TestHome();
  TestHome(const TestHome &) = delete;
  TestHome &operator=(const TestHome &) = delete;

  QString path() const { return dir_.path(); }
  QString dataFile(const QString &lotteryName) const;  // <home>/data/<name>.txt
  // Writes <home>/data/<name>.txt with these bytes and returns its path.
  QString writeLottery(const QString &lotteryName, const QByteArray &bytes) const;
  // Writes any file under the home folder and returns its path.
  QString writeFile(const QString &relativePath, const QByteArray &bytes) const;
  QByteArray readFile(const QString &path) const;
  // Makes <name>.txt the current lottery in the settings file and DataFilePath.
  void selectLottery(const QString &lotteryName) const;

 private:
  QTemporaryDir dir_;
  QByteArray oldHome_;
  bool hadHome_ = false;
};

}  // namespace corvessa::test
