#pragma once
// The module's lock count: every live mask object and every LockServer(TRUE) of a client
// keeps the module loaded.

#include <mutex>

namespace framework {

void lockModule();
void unlockModule();
long moduleLockCount();
// Guards the module's shared tables (the class-factory cache).
std::mutex& moduleMutex();

}  // namespace framework
