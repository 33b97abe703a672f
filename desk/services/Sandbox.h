#pragma once
// A scope of the user-interface thread in which the desk services keep what a mask does to
// themselves, so that the desk can run a mask's rules without their effects: the preview of
// Send runs a hidden instance of the shown mask in one.
//
// While a sandbox is open on a thread, on that thread:
//   - whiteboard and profile writes go to the sandbox's scratch layer, and reads see the real
//     file with the scratch layer over it;
//   - Q_popString hands out the queue's messages in order without taking them from the queue,
//     and pushed messages reach no queue;
//   - log lines are dropped, and the desk observer sees neither them nor any request;
//   - the requests a mask makes of the desktop framework are recorded here instead;
//   - no file is written, replaced or locked.
// Everything is dropped when the sandbox closes. Other threads see the desk as it is.

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "desk/services/IniStore.h"

namespace desk {

class Sandbox {
 public:
  // Throws std::logic_error when this thread has an open sandbox already.
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  // The sandbox open on this thread, or null.
  static Sandbox* active();

  // The file's document as the sandbox's writes left it, or null when it has written none.
  std::shared_ptr<const IniDocument> scratchDocument(const std::filesystem::path& file) const;
  // Applies the changes to the scratch document of file (first a copy of real).
  void write(const std::filesystem::path& file, const IniDocument& real,
             std::span<const IniChange> changes);

  // How many messages of the queue file this sandbox has handed out; the next pop hands out the
  // one after them.
  std::size_t& messagesTaken(const std::filesystem::path& queueFile);

  // The framework requests ("askForPAX", ...), in the order they were made.
  void recordRequest(std::string_view name);
  const std::vector<std::string>& requests() const { return requests_; }

 private:
  std::map<std::filesystem::path, std::shared_ptr<IniDocument>> documents_;
  std::map<std::filesystem::path, std::size_t> taken_;
  std::vector<std::string> requests_;
};

}  // namespace desk
