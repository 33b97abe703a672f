#pragma once
// What a container sees of the framework libraries: log lines and requests that the masks
// address to the desktop rather than to their container.

#include <string_view>

namespace desk {

class DeskObserver {
 public:
  virtual ~DeskObserver() = default;
  virtual void onLog(std::string_view module, std::string_view operation,
                     std::string_view text) = 0;
  virtual void onRequest(std::string_view name) = 0;
};

// The observer of this process (none by default); the container owns it.
void setObserver(DeskObserver* observer);
DeskObserver* observer();

}  // namespace desk
