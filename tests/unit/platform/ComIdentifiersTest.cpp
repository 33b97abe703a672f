// Identifiers as text, and the loaded modules of the process by instance handle.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/com/ComTypes.h"
#include "platform/files/ModuleFile.h"

namespace platform::test {
namespace {

TEST(GuidTextTest, IdentifiersAreReadAsTheyAreWritten) {
  const GUID id{0x72BC5AA4, 0xCBF6, 0x4E4A, {0x91, 0xEC, 0x62, 0x9E, 0xB1, 0x7A, 0xAE, 0x0C}};
  EXPECT_EQ(guidFromString(guidToString(id)), id);
  EXPECT_EQ(guidFromString("{72bc5aa4-cbf6-4e4a-91ec-629eb17aae0c}"), id);
  for (const char* text : {
           "72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0C",     // no braces
           "{72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0}",    // a digit short
           "{72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0C0}",  // a digit more
           "{72BC5AA4CCBF6-4E4A-91EC-629EB17AAE0C}",   // a digit for a dash
           "{72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0G}",   // not hexadecimal
           "{72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0C ",   // not closed
           "",
       }) {
    EXPECT_EQ(guidFromString(text), std::nullopt) << text;
  }
}

TEST(ModuleFileTest, ModulesAreFoundByAnAddressInThem) {
  const HINSTANCE library = moduleInstanceOf(reinterpret_cast<const void*>(&moduleInstanceOf));
  ASSERT_NE(library, nullptr);
  // moduleInstanceOf lies in the platform library, not in the test program.
  EXPECT_EQ(moduleFileName(library).filename(), "libquillet_platform.so");
  static int local = 0;
  EXPECT_EQ(moduleFileName(moduleInstanceOf(&local)), std::filesystem::canonical("/proc/self/exe"));
  EXPECT_EQ(moduleFileName(nullptr), std::filesystem::path());
  EXPECT_EQ(moduleFileName(static_cast<const char*>(library) + 1), std::filesystem::path())
      << "an address inside a module is no instance";
}

}  // namespace
}  // namespace platform::test
