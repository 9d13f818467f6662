#pragma once
// A limit on the size of the files this process may write, standing in for a full disk: unlike
// file permissions it binds root as well. The limit ends with the object.
#include <sys/resource.h>

#include <csignal>

namespace tirel::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool active() const { return active_; }

 private:
  void (*handler_)(int);
  rlimit saved_{};
  bool active_ = false;
};

}  // namespace tirel::test
