// A child process for the killed-save and two-saves tests: writes a draw
// file as the draw editor's Save does, and first tells its parent (one byte
// on stdout) that the save begins, so that the parent's kill lands inside it.
// With a delay, it says that it is ready instead, waits for one byte on
// stdin and then the delay, so that two children's saves start a chosen
// time apart.
// Usage: corvessa_savechild NEW_CONTENT_FILE DRAW_FILE [DELAY_MICROSECONDS]
#include "core/atomicwrite.h"
#include "core/drawfile.h"

#include <QString>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char **argv) {
  using namespace corvessa;
  if (argc != 3 && argc != 4)
    return 2;
  const FileContent content = readWholeFile(QString::fromLocal8Bit(argv[1]));
  if (content.error)
    return 2;
  if (write(STDOUT_FILENO, "s", 1) != 1)
    return 2;
  if (argc == 4) {
    char go = 0;
    if (read(STDIN_FILENO, &go, 1) != 1)
      return 2;
    usleep(useconds_t(std::atol(argv[3])));
  }
  return replaceFileAtomically(QString::fromLocal8Bit(argv[2]), content.data) ? 1 : 0;
}
