#pragma once
// For a test of code that must never wait on a named pipe: when the object
// has lived `wait` without being destroyed, it opens the pipe for writing
// once, which lets a reader that waits to open it go on. Code that waits
// then fails its test instead of hanging it.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace corvessa::test {

class FifoRelease {
 public:
  explicit FifoRelease(const QString &fifo, std::chrono::seconds wait = std::chrono::seconds(10))
      : thread_([this, name = QFile::encodeName(fifo), wait] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!ended_.wait_for(lock, wait, [this] { return done_; })) {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
              ::close(fd);
          }
        }) {}
  ~FifoRelease() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    ended_.notify_all();
    thread_.join();
  }
  FifoRelease(const FifoRelease &) = delete;
  FifoRelease &operator=(const FifoRelease &) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable ended_;
  bool done_ = false;
  std::thread thread_;  // last: it starts once the rest is made
};

}  // namespace corvessa::test
