#pragma once
#include <QString>
#include <cstdint>

namespace corvessa {

// The program-wide variables that every window may read.
struct ProgramState {
  QString DataFilePath;   // full path of the current lottery's draw file
  QString HelpPagePath;   // the page the main window's browser shows
  std::int16_t GameType = 0;  // 0: "Pick3 Daily3 Cash3 Play3", the only game offered
};

ProgramState &programState();

}  // namespace corvessa
