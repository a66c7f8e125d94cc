#pragma once
// A file descriptor of the system, closed when its holder goes.
#include <unistd.h>

namespace corvessa {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { reset(); }
  FileDescriptor(const FileDescriptor &) = delete;
  FileDescriptor &operator=(const FileDescriptor &) = delete;

  int get() const { return fd_; }
  void adopt(int fd) {
    reset();
    fd_ = fd;
  }
  // Closes it now and says whether the close went well (a write may fail only there).
  bool reset() {
    const bool ok = fd_ < 0 || ::close(fd_) == 0;
    fd_ = -1;
    return ok;
  }

 private:
  int fd_;
};

}  // namespace corvessa
