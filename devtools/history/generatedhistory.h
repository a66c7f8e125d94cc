#pragma once
// The draw histories that the developer tools generate, made here once: the
// benchmark links them, and scripts/screenshot.sh and
// devtools/chartdump/snapshot.sh write them with corvessa-history. Each is
// the same bytes on every run and every machine, lines "label H T U" ending
// in CR LF, as a draw file is.
#include <QByteArray>

namespace corvessa::devtools {

enum class GeneratedHistory {
  // Labels 1, 2, ...; each digit int(10 * r / (2^31 - 1)) for the numbers r
  // of the C library's random() seeded with 10, which are the digits of
  // awk's int(rand() * 10) after srand(10), in which the screenshots'
  // history was first written. The screenshots show 26,832 of these draws.
  Screenshot,
  // Labels 2000001, 2000002, ...; each digit (s >> 16) % 10 for the states s
  // of the linear congruential sequence s = s * 1664525 + 1013904223 (mod
  // 2^32) from 12345. The benchmark times tools on these draws.
  Bench,
};

// The first `count` draws of the history.
QByteArray generatedHistory(GeneratedHistory kind, int count);

}  // namespace corvessa::devtools
