// Drive scripts of any content against any mask: the first byte picks the mask, the rest is
// the script. Every run starts from the same whiteboard and empty queues, and the commands
// that read or write files outside the desk's own stores are left out, so that a run depends
// on its input alone.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "desk/drive/DriveSession.h"
#include "desk/services/AtomicFile.h"
#include "tests/fuzz/FuzzHome.h"
#include "typelib/TypeLibrary.h"

namespace {

bool touchesFiles(std::string_view line) {
  for (std::string_view command : {"home-file", "home-copy", "handover", "reply-file"}) {
    if (line.starts_with(command)) return true;
  }
  return false;
}

std::string runnableScript(std::string_view text) {
  std::string script;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    if (!touchesFiles(text.substr(0, end))) script.append(text.substr(0, end)).append("\n");
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return script;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::filesystem::path& home = fuzz::fuzzHome();
  static const desk::ModuleLoader module(desk::ModuleLoader::defaultModulePath());
  static const std::string whiteboard =
      desk::readFileIfExists(home / "VLwhiteboard.ini").value_or("");
  std::ofstream(home / "VLwhiteboard.ini", std::ios::binary | std::ios::trunc) << whiteboard;
  std::filesystem::remove_all(home / "queues");
  std::filesystem::remove(home / "quillet.log");

  const auto classes = typelib::classes();
  const typelib::ClassDescription& mask = classes[data[0] % classes.size()];
  std::istringstream script(
      runnableScript(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)));
  std::ostringstream printed;
  desk::DriveOutput output(printed);
  std::optional<desk::DriveSession> session;
  try {
    session.emplace(module, mask, home, output);
  } catch (const std::exception&) {
    return 0;  // a class the module does not serve yet
  }
  const int status = session->run(script);
  if (status != 0 && status != 2) std::abort();
  return 0;
}
