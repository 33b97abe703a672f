#include "platform/xml/XmlDocument.h"

#include <pugixml.hpp>

#include <exception>

#include "platform/files/FileText.h"
#include "platform/files/PathResolver.h"

namespace platform {

struct XmlDocument::State {
  pugi::xml_document document;
  bool loaded = false;
};

struct XmlNode::Handle {
  std::shared_ptr<const void> document;  // keeps the document alive
  pugi::xpath_node node;
};

namespace {

// The document keeps its texts in UTF-8; mask texts are Latin-1. A byte that does not start a
// well-formed sequence is taken as the Latin-1 character of its own.
std::string latin1FromUtf8(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    bool wellFormed = length != 0 && i + length <= text.size();
    for (std::size_t k = 1; wellFormed && k < length; ++k) {
      wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (!wellFormed) {
      result += text[i];
      ++i;
      continue;
    }
    if (length == 1) {
      result += text[i];
    } else if (length == 2) {
      const unsigned code =
          ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
      result += code <= 0xFF ? static_cast<char>(code) : '?';
    } else {
      result += '?';
    }
    i += length;
  }
  return result;
}

// Evaluates an expression without letting a malformed one escape as an exception.
pugi::xpath_node_set evaluate(const pugi::xpath_node& context, std::string_view xpath) {
  try {
    const std::string expression(xpath);
    pugi::xpath_query query(expression.c_str());
    if (!query) return {};
    return query.evaluate_node_set(context);
  } catch (const std::exception&) {
    return {};
  }
}

std::string nodeText(const pugi::xpath_node& selected) {
  if (selected.attribute()) return latin1FromUtf8(selected.attribute().value());
  std::string text;
  const pugi::xml_node root = selected.node();
  if (root.type() == pugi::node_pcdata || root.type() == pugi::node_cdata) {
    return latin1FromUtf8(root.value());
  }
  // Walks the descendants without recursion, so that a deep document cannot exhaust the stack.
  pugi::xml_node current = root.first_child();
  while (current) {
    if (current.type() == pugi::node_pcdata || current.type() == pugi::node_cdata) {
      text += current.value();
    }
    if (current.first_child()) {
      current = current.first_child();
      continue;
    }
    while (current && current != root && !current.next_sibling()) current = current.parent();
    if (!current || current == root) break;
    current = current.next_sibling();
  }
  return latin1FromUtf8(text);
}

}  // namespace

XmlDocument::XmlDocument() : state_(std::make_shared<State>()) {}

bool XmlDocument::loadFile(std::string_view maskPath) {
  state_ = std::make_shared<State>();
  const std::optional<std::string> content = readRegularFile(resolvePath(maskPath));
  if (!content) return false;
  const pugi::xml_parse_result result = state_->document.load_buffer(
      content->data(), content->size(), pugi::parse_default, pugi::encoding_auto);
  state_->loaded = static_cast<bool>(result);
  if (!state_->loaded) state_->document.reset();
  return state_->loaded;
}

bool XmlDocument::loadText(std::string_view text, TextEncoding encoding) {
  state_ = std::make_shared<State>();
  const pugi::xml_parse_result result = state_->document.load_buffer(
      text.data(), text.size(), pugi::parse_default,
      encoding == TextEncoding::Latin1 ? pugi::encoding_latin1 : pugi::encoding_utf8);
  state_->loaded = static_cast<bool>(result);
  if (!state_->loaded) state_->document.reset();
  return state_->loaded;
}

bool XmlDocument::isLoaded() const {
  return state_->loaded;
}

std::vector<XmlNode> XmlDocument::selectNodes(std::string_view xpath) const {
  if (!state_->loaded) return {};
  std::vector<XmlNode> nodes;
  for (const pugi::xpath_node& node : evaluate(pugi::xpath_node(state_->document), xpath)) {
    nodes.push_back(
        XmlNode(std::make_shared<const XmlNode::Handle>(XmlNode::Handle{state_, node})));
  }
  return nodes;
}

std::optional<XmlNode> XmlDocument::selectSingleNode(std::string_view xpath) const {
  std::vector<XmlNode> nodes = selectNodes(xpath);
  if (nodes.empty()) return std::nullopt;
  return nodes.front();
}

XmlNode::XmlNode(std::shared_ptr<const Handle> handle) : handle_(std::move(handle)) {}

std::string XmlNode::text() const {
  return nodeText(handle_->node);
}

std::string XmlNode::name() const {
  if (handle_->node.attribute()) return latin1FromUtf8(handle_->node.attribute().name());
  return latin1FromUtf8(handle_->node.node().name());
}

std::vector<XmlNode> XmlNode::selectNodes(std::string_view xpath) const {
  std::vector<XmlNode> nodes;
  for (const pugi::xpath_node& node : evaluate(handle_->node, xpath)) {
    nodes.push_back(XmlNode(std::make_shared<const Handle>(Handle{handle_->document, node})));
  }
  return nodes;
}

std::optional<XmlNode> XmlNode::selectSingleNode(std::string_view xpath) const {
  std::vector<XmlNode> nodes = selectNodes(xpath);
  if (nodes.empty()) return std::nullopt;
  return nodes.front();
}

std::string XmlNode::childText(std::string_view xpath) const {
  const std::optional<XmlNode> node = selectSingleNode(xpath);
  return node ? node->text() : std::string();
}

}  // namespace platform
