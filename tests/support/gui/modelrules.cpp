#include "support/gui/modelrules.h"

#include <QAbstractItemModelTester>
#include <cstdio>
#include <cstring>

namespace corvessa::test {

namespace {
ModelRules *watching = nullptr;
QtMessageHandler previousHandler = nullptr;
}  // namespace

void ModelRules::handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  if (watching && context.category && std::strcmp(context.category, "qt.modeltest") == 0) {
    watching->failures_ << message;
    return;
  }
  if (previousHandler)
    previousHandler(type, context, message);
  else
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

ModelRules::ModelRules(QAbstractItemModel *model) {
  watching = this;
  previousHandler = qInstallMessageHandler(handleMessage);
  tester_ = std::make_unique<QAbstractItemModelTester>(model, QAbstractItemModelTester::FailureReportingMode::Warning);
}

ModelRules::~ModelRules() {
  tester_.reset();
  qInstallMessageHandler(previousHandler);
  watching = nullptr;
}

}  // namespace corvessa::test
