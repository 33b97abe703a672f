#include "framework/ModuleLock.h"

#include <atomic>

namespace framework {
namespace {
std::atomic<long> lockCount{0};
}

void lockModule() {
  ++lockCount;
}
void unlockModule() {
  --lockCount;
}
long moduleLockCount() {
  return lockCount.load();
}

std::mutex& moduleMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace framework
