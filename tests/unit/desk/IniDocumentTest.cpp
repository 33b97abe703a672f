// The INI document's whole-document operations: all sections in one pass, and many values
// written in one pass, each exactly as the one-at-a-time lookups and writes define them.

#include "desk/services/IniDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using desk::IniChange;
using desk::IniDocument;
using desk::IniSection;

// Repeated sections and keys in other letter cases, blanks around names, comments, blank
// lines, CR LF line ends, lines the format does not know and keys before any section.
constexpr const char* kTangled =
    "ORPHAN=before any section\n"
    "[User]\r\n"
    "LANG=EN1\r\n"
    "; comment=not a key\n"
    "\n"
    "[PNR.FAX]\n"
    " LINENO = 2\n"
    "no equals sign\n"
    "lineno=shadowed\n"
    "[ user ]\n"
    "lang=shadowed\n"
    "Agent=A1\n"
    "[pnr.fax]\n"
    "FAXNO=555\n"
    "[Empty]\n";

TEST(IniDocumentTest, SectionsGivesEachSectionOnceAsEntriesDoes) {
  const IniDocument document(kTangled);
  const std::vector<IniSection> sections = document.sections();
  std::vector<std::string> names;
  for (const IniSection& section : sections) {
    names.push_back(section.name);
    EXPECT_EQ(section.entries, document.entries(section.name)) << section.name;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"User", "PNR.FAX", "Empty"}));
  const std::vector<std::pair<std::string, std::string>> fax = {{"LINENO", " 2"}, {"FAXNO", "555"}};
  EXPECT_EQ(sections[1].entries, fax);
  EXPECT_TRUE(IniDocument().sections().empty());
}

TEST(IniDocumentTest, ManyChangesInOnePassWriteWhatOneAtATimeWould) {
  struct Case {
    const char* name;
    const char* before;
    std::vector<IniChange> changes;
    const char* after;
  };
  const Case cases[] = {
      {"existing keys keep their lines, in any block of the section",
       kTangled,
       {{"user", "AGENT", "A2"}, {"USER", "Lang", "DE1"}, {"PNR.Fax", "faxno", "666"}},
       "ORPHAN=before any section\n[User]\nLANG=DE1\n; comment=not a key\n\n[PNR.FAX]\n"
       " LINENO = 2\nno equals sign\nlineno=shadowed\n[ user ]\nlang=shadowed\nAgent=A2\n"
       "[pnr.fax]\nFAXNO=666\n[Empty]\n"},
      {"new keys go after the last content of the first block, in order of the changes",
       "[A]\nK=1\n\n\n[B]\nK=2\n[a]\nL=3\n",
       {{"B", "NEW", "b"}, {"A", "X", "1"}, {"a", "Y", "2"}, {"A", "l", "4"}},
       "[A]\nK=1\nX=1\nY=2\n\n\n[B]\nK=2\nNEW=b\n[a]\nL=4\n"},
      {"new sections go to the end, each with its keys, spelled as first written",
       "[A]\nK=1\n",
       {{"New", "K1", "1"}, {"Other", "K", "x"}, {"NEW", "K2", "2"}, {"new", "k1", "one"}},
       "[A]\nK=1\n[New]\nK1=one\nK2=2\n[Other]\nK=x\n"},
      {"the last change of a key wins, and line breaks become blanks",
       "",
       {{"S", "K", "first"}, {" S ", " k ", "second\nline\r\n[S]"}},
       "[S]\nK=second line  [S]\n"},
      {"no changes change nothing", kTangled, {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IniDocument together(c.before);
    together.set(c.changes);
    IniDocument oneByOne(c.before);
    for (const IniChange& change : c.changes) {
      oneByOne.set(std::span<const IniChange>(&change, 1));
    }
    const std::string expected = c.after ? c.after : IniDocument(c.before).text();
    EXPECT_EQ(together.text(), expected);
    EXPECT_EQ(oneByOne.text(), expected);
  }
}

}  // namespace
