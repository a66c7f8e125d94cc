// corvessa-history: writes a generated draw history (generatedhistory.h) to
// standard output.
#include "history/generatedhistory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using corvessa::devtools::GeneratedHistory;

int main(int argc, char **argv) {
  char *end = nullptr;
  const long count = argc == 3 ? std::strtol(argv[2], &end, 10) : -1;
  const bool screenshot = argc == 3 && std::strcmp(argv[1], "screenshot") == 0;
  const bool bench = argc == 3 && std::strcmp(argv[1], "bench") == 0;
  if (!(screenshot || bench) || !end || *end != '\0' || count < 0 || count > 100000000) {
    std::fprintf(stderr, "usage: corvessa-history screenshot|bench COUNT   (COUNT up to 100000000)\n");
    return 2;
  }
  const QByteArray file =
      corvessa::devtools::generatedHistory(screenshot ? GeneratedHistory::Screenshot : GeneratedHistory::Bench, int(count));
  if (std::fwrite(file.constData(), 1, std::size_t(file.size()), stdout) != std::size_t(file.size()) ||
      std::fflush(stdout) != 0) {
    std::perror("corvessa-history");
    return 1;
  }
  return 0;
}
