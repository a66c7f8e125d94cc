#pragma once
// The draw editor's part of the benchmark (see README.md).
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace corvessa::bench {

// Opens the editor on generated histories of these sizes, each `runs` times
// in a fresh process, and writes the figures as CSV to `csvPath`.
int editorBench(const QList<int> &sizes, int runs, const QString &csvPath,
                const std::function<QByteArray(int)> &history);

// The fresh process of one open, on the program folder `home`.
int editorChild(const QString &home);

}  // namespace corvessa::bench
