#include "masks/fit/HandOverFile.h"

#include <filesystem>
#include <system_error>

#include "masks/fit/InstallFolder.h"
#include "platform/files/FileText.h"
#include "platform/files/PathResolver.h"

namespace fit {

std::string handOverFilePath(std::string_view folder) {
  return installFile(folder, "\\temp\\PNRToBeCreate.pnrdata");
}

std::optional<HandOver> handOverOf(std::string text) {
  if (text.empty()) return std::nullopt;
  switch (text.front()) {
    case '1':
    case '4':
      return HandOver{LookupKind::Surname, 0, true, std::move(text)};
    case '2':
      return HandOver{LookupKind::GivenName, 1, false, std::move(text)};
    case '3':
      return HandOver{LookupKind::Corporate, 0, false, std::move(text)};
    default:
      return std::nullopt;
  }
}

std::optional<HandOver> takeHandOverFile(std::string_view folder) {
  if (!namesFolder(folder)) return std::nullopt;
  const std::filesystem::path path = platform::resolvePath(handOverFilePath(folder));
  std::optional<std::string> text = platform::readRegularFile(path);
  if (!text) return std::nullopt;
  std::optional<HandOver> handOver = handOverOf(std::move(*text));
  if (!handOver) return std::nullopt;
  std::error_code error;
  std::filesystem::remove(path, error);
  return handOver;
}

}  // namespace fit
