// A child process for the killed-save test: writes a draw file as the draw
// editor's Save does, and first tells its parent (one byte on stdout) that
// the save begins, so that the parent's kill lands inside it.
// Usage: corvessa_savechild NEW_CONTENT_FILE DRAW_FILE
#include "core/atomicwrite.h"
#include "core/drawfile.h"

#include <QString>
#include <unistd.h>

int main(int argc, char **argv) {
  using namespace corvessa;
  if (argc != 3)
    return 2;
  const FileContent content = readWholeFile(QString::fromLocal8Bit(argv[1]));
  if (content.error)
    return 2;
  if (write(STDOUT_FILENO, "s", 1) != 1)
    return 2;
  return replaceFileAtomically(QString::fromLocal8Bit(argv[2]), content.data) ? 1 : 0;
}
