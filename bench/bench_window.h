#pragma once
// --window: the tool windows driven as a user drives them, each in a fresh
// process, timed from the event to the last paint it caused. See README.md.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace corvessa::bench {

int windowBench(const QList<int> &sizes, const QStringList &tools, int runs, const QString &csvPath,
                const std::function<QByteArray(int)> &history);
int windowChild(const QString &windowName, const QString &programFolder, int entries);

}  // namespace corvessa::bench
