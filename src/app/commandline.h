#pragma once
#include <optional>

namespace corvessa {

// Answers the command line before the toolkit starts, so that neither a
// display nor the user's files are needed: --help and --version print to
// standard output, and an option that is neither ours nor the toolkit's, or
// an argument (the program opens no file from its command line), is said on
// standard error. Returns the exit status when the program ends here;
// nothing when it goes on, the toolkit's own options left for QApplication.
std::optional<int> answerCommandLine(int argc, char **argv);

}  // namespace corvessa
