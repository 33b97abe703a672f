#pragma once
// The XML document object the masks use: load a file or a text, select nodes by an XPath
// expression, read a node's text. Texts handed out are 8-bit Latin-1 like every mask text
// (characters beyond Latin-1 become '?'). Nothing here throws: a document that did not load,
// or an expression that is not XPath, selects no node.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class XmlNode;

class XmlDocument {
 public:
  // How the bytes of a text to load are to be read. A text from an automation string is
  // Latin-1, whatever its declaration says; a file names its own encoding.
  enum class TextEncoding { Latin1, Utf8 };

  XmlDocument();

  // A path as the masks form it (platform::resolvePath). False, and an empty document, when
  // the file cannot be read or is not well-formed XML.
  bool loadFile(std::string_view maskPath);
  bool loadText(std::string_view text, TextEncoding encoding = TextEncoding::Latin1);
  bool isLoaded() const;

  // Every node the expression selects, in document order.
  std::vector<XmlNode> selectNodes(std::string_view xpath) const;
  // The first node the expression selects.
  std::optional<XmlNode> selectSingleNode(std::string_view xpath) const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

// A node of a loaded document; it keeps its document alive.
class XmlNode {
 public:
  // The text of the node and of all its descendants, in document order.
  std::string text() const;
  std::string name() const;
  // Expressions relative to this node ("C", "N_001N", ".//N_AIR000").
  std::vector<XmlNode> selectNodes(std::string_view xpath) const;
  std::optional<XmlNode> selectSingleNode(std::string_view xpath) const;
  // The text of the first node the expression selects; empty when none.
  std::string childText(std::string_view xpath) const;

 private:
  friend class XmlDocument;
  struct Handle;
  explicit XmlNode(std::shared_ptr<const Handle> handle);
  std::shared_ptr<const Handle> handle_;
};

}  // namespace platform
