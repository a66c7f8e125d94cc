#pragma once
// Makes file writes of this test process fail while the object lives, the way
// a full or failing disk does. A read-only folder would not do: tests may run
// as root, who writes there anyway.
#include <csignal>
#include <sys/resource.h>

namespace corvessa::test {

class FailingWrites {
 public:
  // Writes that would make a file larger than `maxBytes` fail.
  explicit FailingWrites(rlim_t maxBytes = 0) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // fail the write instead of ending the process
    rlimit limit = old_;
    limit.rlim_cur = maxBytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FailingWrites() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FailingWrites(const FailingWrites &) = delete;
  FailingWrites &operator=(const FailingWrites &) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

}  // namespace corvessa::test
