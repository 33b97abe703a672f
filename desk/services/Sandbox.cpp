#include "desk/services/Sandbox.h"

#include <stdexcept>

namespace desk {
namespace {
thread_local Sandbox* openSandbox = nullptr;
}  // namespace

Sandbox::Sandbox() {
  if (openSandbox != nullptr) throw std::logic_error("a sandbox is open on this thread already");
  openSandbox = this;
}

Sandbox::~Sandbox() {
  openSandbox = nullptr;
}

Sandbox* Sandbox::active() {
  return openSandbox;
}

std::shared_ptr<const IniDocument> Sandbox::scratchDocument(
    const std::filesystem::path& file) const {
  const auto found = documents_.find(file);
  return found != documents_.end() ? found->second : nullptr;
}

void Sandbox::write(const std::filesystem::path& file, const IniDocument& real,
                    std::span<const IniChange> changes) {
  std::shared_ptr<IniDocument>& document = documents_[file];
  // A reader may still hold the last scratch document: each write makes a new one.
  document = std::make_shared<IniDocument>(document ? *document : real);
  document->set(changes);
}

std::size_t& Sandbox::messagesTaken(const std::filesystem::path& queueFile) {
  return taken_[queueFile];
}

void Sandbox::recordRequest(std::string_view name) {
  requests_.emplace_back(name);
}

}  // namespace desk
