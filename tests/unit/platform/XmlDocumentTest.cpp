// The XML document object: loading files and texts, selecting by XPath, node texts, and bad
// input that must load nothing rather than fail.

#include "platform/xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using platform::XmlDocument;

std::vector<std::string> texts(const std::vector<platform::XmlNode>& nodes) {
  std::vector<std::string> result;
  for (const auto& node : nodes) result.push_back(node.text());
  return result;
}

TEST(XmlDocumentTest, SelectsNodesInDocumentOrderAndReadsChildTexts) {
  XmlDocument document;
  ASSERT_TRUE(document.loadText(
      "<Coder><T><C>DOCS</C><D>SQ</D></T><T><C>PSPT</C><D>MH</D></T><X><T><C>OTHS</C></T></X>"
      "</Coder>"));
  const auto entries = document.selectNodes("//Coder/T");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].childText("C"), "DOCS");
  EXPECT_EQ(entries[0].childText("D"), "SQ");
  EXPECT_EQ(entries[1].childText("C"), "PSPT");
  EXPECT_EQ(entries[1].childText("missing"), "");
  EXPECT_EQ(texts(document.selectNodes("//T/C")),
            (std::vector<std::string>{"DOCS", "PSPT", "OTHS"}));
}

TEST(XmlDocumentTest, NodeTextJoinsDescendantsAndKeepsLatin1) {
  XmlDocument document;
  ASSERT_TRUE(document.loadText("<a>one<b>two<![CDATA[<3>]]></b>four \xA5</a>"));
  const auto node = document.selectSingleNode("/a");
  ASSERT_TRUE(node);
  EXPECT_EQ(node->text(), "onetwo<3>four \xA5");
  EXPECT_EQ(node->name(), "a");
}

TEST(XmlDocumentTest, Utf8TextIsReadAsUtf8) {
  XmlDocument document;
  ASSERT_TRUE(document.loadText("<a>\xC2\xA5 \xE2\x82\xAC</a>", XmlDocument::TextEncoding::Utf8));
  EXPECT_EQ(document.selectSingleNode("/a")->text(), "\xA5 ?");
}

TEST(XmlDocumentTest, AttributesCanBeSelected) {
  XmlDocument document;
  ASSERT_TRUE(document.loadText("<a code='SQ'/>"));
  EXPECT_EQ(document.selectSingleNode("/a/@code")->text(), "SQ");
}

TEST(XmlDocumentTest, BadInputLoadsNothingAndSelectsNothing) {
  const std::vector<std::string> bad = {
      "", "not xml", "<a><b></a>", "<a>", std::string("\0\0", 2), "<?xml version='1.0'?>"};
  for (const auto& text : bad) {
    XmlDocument document;
    EXPECT_FALSE(document.loadText(text)) << text;
    EXPECT_FALSE(document.isLoaded());
    EXPECT_TRUE(document.selectNodes("//a").empty());
    EXPECT_FALSE(document.selectSingleNode("/a"));
  }
}

TEST(XmlDocumentTest, MalformedExpressionsSelectNothing) {
  XmlDocument document;
  ASSERT_TRUE(document.loadText("<a><b/></a>"));
  for (const char* expression : {"", "//", "///a[", "a[@", "count(//b)", "\xFF"}) {
    EXPECT_TRUE(document.selectNodes(expression).empty()) << expression;
    EXPECT_EQ(document.selectSingleNode("/a")->childText(expression), "") << expression;
  }
}

TEST(XmlDocumentTest, LoadsFilesByMaskPathAndNamesTheirEncoding) {
  const auto folder = std::filesystem::temp_directory_path() / "quillet-xml-test";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Market.xml") << "<m><V>YES</V></m>";
  std::ofstream(folder / "latin.xml") << "<?xml version='1.0' encoding='ISO-8859-1'?><m>\xA5</m>";
  std::ofstream(folder / "broken.xml") << "<m>";

  XmlDocument document;
  EXPECT_TRUE(document.loadFile(folder.string() + "\\MARKET.XML"));
  EXPECT_EQ(document.selectSingleNode("/m/V")->text(), "YES");
  EXPECT_TRUE(document.loadFile((folder / "latin.xml").string()));
  EXPECT_EQ(document.selectSingleNode("/m")->text(), "\xA5");
  EXPECT_FALSE(document.loadFile((folder / "broken.xml").string()));
  EXPECT_FALSE(document.loadFile((folder / "absent.xml").string()));
  EXPECT_FALSE(document.loadFile(folder.string()));  // a folder is no file
  EXPECT_TRUE(document.selectNodes("//m").empty());
  std::filesystem::remove_all(folder);
}

TEST(XmlDocumentTest, NodesOutliveTheirDocumentObject) {
  std::vector<platform::XmlNode> nodes;
  {
    XmlDocument document;
    document.loadText("<a><b>kept</b></a>");
    nodes = document.selectNodes("//b");
  }
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(nodes[0].text(), "kept");
}

}  // namespace
