#pragma once
// What the benchmark's modes share: the enquiry they type, and the fresh
// process each open is measured in.
#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvessa::bench {

// An enquiry's text: `count` numbers of three digits, "000 001 002 ...".
QString enquiryText(int count);

// Runs this program again with `args` and returns the `fields` figures its
// one line of output holds; nothing when the run failed (said on stderr as
// "the `what` failed") or printed another line.
std::optional<QList<QByteArray>> childFigures(const QStringList &args, int fields, const QString &what,
                                              const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

}  // namespace corvessa::bench
