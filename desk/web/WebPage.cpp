#include "desk/web/WebPage.h"

#include "desk/home/EmbeddedFiles.h"

namespace desk {

namespace webpage {
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

std::string_view pageFile(std::string_view name) {
  for (const EmbeddedFile& file : webpage::embeddedFiles()) {
    if (file.path == name) return file.bytes;
  }
  return {};
}

std::string maskPage(std::string_view instanceId, std::string_view className) {
  return replaced(replaced(std::string(pageFile("mask.html")), "{{INSTANCE}}", instanceId),
                  "{{CLASS}}", className);
}

std::string errorPage(std::string_view title, std::string_view message) {
  return replaced(replaced(std::string(pageFile("error.html")), "{{TITLE}}", title), "{{MESSAGE}}",
                  message);
}

}  // namespace desk
