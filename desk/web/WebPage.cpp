#include "desk/web/WebPage.h"

#include <cctype>

#include "desk/home/EmbeddedFiles.h"

namespace desk {

namespace webpage {
std::span<const EmbeddedFile> embeddedFiles();
}
namespace webfonts {
std::span<const EmbeddedFile> embeddedFiles();
}

namespace {

std::string replaced(std::string text, std::string_view placeholder, std::string_view value) {
  for (auto at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
  return text;
}

}  // namespace

std::string plainTitle(std::string_view className) {
  const auto upper = [&](std::size_t at) {
    return at < className.size() && std::isupper(static_cast<unsigned char>(className[at]));
  };
  const auto lower = [&](std::size_t at) {
    return at < className.size() && std::islower(static_cast<unsigned char>(className[at]));
  };
  std::string title;
  for (std::size_t at = 0; at < className.size(); ++at) {
    // A word starts at a capital after a small letter, or at the last capital of a run that a
    // small letter follows ("PNRCreation": "PNR Creation").
    if (at > 0 && upper(at) && (lower(at - 1) || (upper(at - 1) && lower(at + 1)))) title += ' ';
    title += className[at];
  }
  return title;
}

std::string_view pageFile(std::string_view name) {
  for (const auto& files : {webpage::embeddedFiles(), webfonts::embeddedFiles()}) {
    for (const EmbeddedFile& file : files) {
      if (file.path == name) return file.bytes;
    }
  }
  return {};
}

std::string maskPage(std::string_view instanceId, std::string_view className) {
  std::string page = replaced(std::string(pageFile("mask.html")), "{{INSTANCE}}", instanceId);
  page = replaced(std::move(page), "{{TITLE}}", plainTitle(className));
  return replaced(std::move(page), "{{CLASS}}", className);
}

std::string errorPage(std::string_view title, std::string_view message) {
  return replaced(replaced(std::string(pageFile("error.html")), "{{TITLE}}", title), "{{MESSAGE}}",
                  message);
}

}  // namespace desk
