#pragma once
// A file descriptor closed when it goes out of scope, on every path out of a function.

#include <unistd.h>

#include <utility>

namespace platform {

class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  int get() const { return descriptor_; }
  // Closes now so that a failure of close (a delayed write error) can be reported.
  int close() { return ::close(std::exchange(descriptor_, -1)); }
  int release() { return std::exchange(descriptor_, -1); }

 private:
  int descriptor_;
};

}  // namespace platform
