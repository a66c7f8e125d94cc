#pragma once
// What the benchmark's modes share: the enquiry they type, and the fresh
// process each open is measured in.
#include "charts/framework/tool.h"

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvessa::bench {

// An enquiry's text: `count` numbers of three digits, "000 001 002 ...".
QString enquiryText(int count);

// The most numbers, up to 400, that the window's enquiry takes: a window
// refuses too many with a message. 0 for a window without an input box.
int enquiryEntries(const ToolEntry &tool);

// A fresh process that has not finished within the bound is stopped. The
// slowest measured (an enquiry at 1,000,000 draws, under X) takes seconds;
// the bound is 120 s unless --child-bound gives another.
void setChildBoundMs(int ms);

// Runs this program again with `args` and returns the `fields` figures its
// one line of output holds; nothing when the run failed, did not finish
// within the bound or printed another line, which is said on stderr
// naming `what` ("the window run of frmzuxuanhaocx").
std::optional<QList<QByteArray>> childFigures(const QStringList &args, int fields, const QString &what,
                                              const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

// The exit code of the whole run: 1 when any fresh process failed.
int runResult();

}  // namespace corvessa::bench
