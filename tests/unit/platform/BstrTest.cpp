// Automation strings: Latin-1 texts in and out, and the length kept before the text.

#include "platform/com/Bstr.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BstrTest, Latin1TextsMakeTheRoundTripCharacterForCharacter) {
  const std::string texts[] = {"", "9 5551234-F", "\xA4\xA5\xA7", "SM\xC9TH \xFF\x80\x01"};
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    Bstr bstr(text);
    ASSERT_NE(bstr.get(), nullptr);  // an empty text is a string, not a null
    ASSERT_EQ(SysStringLen(bstr.get()), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      EXPECT_EQ(bstr.get()[i], static_cast<unsigned char>(text[i])) << "at " << i;
    }
    EXPECT_EQ(bstr.get()[text.size()], 0);
    EXPECT_EQ(bstr.latin1(), text);
  }
}

TEST(BstrTest, CharactersBeyondLatin1ReadAsQuestionMarks) {
  const std::u16string wide = u"A\u20AC\u00FFB";
  BSTR text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  EXPECT_EQ(latin1FromBstr(text),
            "A?\xFF"
            "B");
  SysFreeString(text);
}

TEST(BstrTest, LengthIsTheStoredOneNotTheFirstZero) {
  const char16_t withZero[] = {u'A', 0, u'B'};
  BSTR text = SysAllocStringLen(withZero, 3);
  EXPECT_EQ(SysStringLen(text), 3u);
  SysFreeString(text);

  BSTR copy = SysAllocString(u"ABC");
  EXPECT_EQ(SysStringLen(copy), 3u);
  SysFreeString(copy);
}

TEST(BstrTest, NullStringsReadAsEmpty) {
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(latin1FromBstr(nullptr), "");
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  SysFreeString(nullptr);  // allowed, does nothing
}

TEST(BstrTest, ReleaseHandsTheStringOver) {
  Bstr owner("EN1");
  BSTR taken = owner.release();
  EXPECT_EQ(owner.get(), nullptr);
  EXPECT_EQ(latin1FromBstr(taken), "EN1");
  SysFreeString(taken);
}

}  // namespace
