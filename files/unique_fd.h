// A file descriptor closed when it goes out of scope.
#pragma once

#include <unistd.h>

#include <utility>

namespace dishwright {

class UniqueFd {
public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd &operator=(UniqueFd &&other) noexcept {
    if (this != &other) {
      reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  UniqueFd(const UniqueFd &) = delete;
  UniqueFd &operator=(const UniqueFd &) = delete;
  ~UniqueFd() { reset(); }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  // Closes the descriptor now; the result of close(), whose error (a write that
  // an NFS server refused) a writer must not miss.
  int reset() { return fd_ >= 0 ? ::close(std::exchange(fd_, -1)) : 0; }

private:
  int fd_ = -1;
};

} // namespace dishwright
