// Code-list files, market settings and host replies as XML: any bytes load or fail cleanly,
// with any XPath expression (the first line of the input) on what loaded.

#include <string>
#include <string_view>

#include "platform/xml/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t end = input.find('\n');
  const std::string_view xpath = input.substr(0, std::min(end, input.size()));
  const std::string_view text = end == std::string_view::npos ? "" : input.substr(end + 1);
  for (auto encoding :
       {platform::XmlDocument::TextEncoding::Latin1, platform::XmlDocument::TextEncoding::Utf8}) {
    platform::XmlDocument document;
    if (!document.loadText(text, encoding)) continue;
    for (const platform::XmlNode& node : document.selectNodes(xpath)) {
      (void)node.text();
      (void)node.name();
      (void)node.childText("*");
    }
    if (auto first = document.selectSingleNode("//*")) (void)first->selectNodes(xpath);
  }
  return 0;
}
