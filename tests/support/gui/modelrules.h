#pragma once
// Qt's model tester over a model for as long as the object lives: it checks
// the model at once and again after every change the model signals (a reset,
// rows inserted or removed, data changed). What it finds is kept, so a test
// expects none and names each in its failure.
#include <QStringList>
#include <QtGlobal>
#include <memory>

class QAbstractItemModel;
class QAbstractItemModelTester;

namespace corvessa::test {

class ModelRules {
 public:
  explicit ModelRules(QAbstractItemModel *model);
  ~ModelRules();
  ModelRules(const ModelRules &) = delete;
  ModelRules &operator=(const ModelRules &) = delete;

  // The rules the model broke so far, in the tester's words.
  const QStringList &failures() const { return failures_; }

 private:
  // The tester reports in its own logging category; every other message
  // goes where it went before.
  static void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

  QStringList failures_;
  std::unique_ptr<QAbstractItemModelTester> tester_;
};

}  // namespace corvessa::test
