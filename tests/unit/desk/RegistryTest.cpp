// The desk's registry: its file form, registry scripts run against it, the store in the desk
// home, and the registration manager.

#include <gtest/gtest.h>

#include <string>

#include "desk/services/AtomicFile.h"
#include "desk/services/RegistryScript.h"
#include "desk/services/RegistryStore.h"
#include "framework/services/RegisterManager.h"
#include "platform/files/ModuleFile.h"
#include "tests/unit/desk/TempHome.h"

namespace desk::test {
namespace {

using Type = RegistryValue::Type;

RegistryValue text(std::string value) {
  return {Type::String, std::move(value)};
}

TEST(RegistryTreeTest, TextKeepsKeysValuesAndAwkwardCharacters) {
  RegistryTree tree;
  RegistryKey& key = tree.root().createSubkey("HKEY_CLASSES_ROOT").createSubkey("Odd ] name");
  key.setValue("", text("back\\slash \"quoted\"\nsecond line"));
  key.setValue("Count", {Type::Dword, "42"});
  key.createSubkey("Empty");

  const RegistryTree again(tree.text());
  const RegistryKey* found = again.root().find("hkey_classes_root\\ODD ] NAME");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->value("")->text, "back\\slash \"quoted\"\nsecond line");
  EXPECT_EQ(*found->value("count"), (RegistryValue{Type::Dword, "42"}));
  EXPECT_NE(found->find("Empty"), nullptr) << "a key without values is kept";
  EXPECT_EQ(again.text(), tree.text());
  EXPECT_NE(tree.text().find("\"Count\"=dword:0000002a"), std::string::npos);
}

TEST(RegistryTreeTest, TextThatIsNoRegistryIsRefusedWithItsLine) {
  const struct {
    const char* text;
    const char* fault;
  } kCases[] = {
      {"REGEDIT4\n\n@=\"before any key\"\n", "line 3"},
      {"[HKEY_CLASSES_ROOT\\\\Twice]\n", "line 1"},
      {"[HKEY_CLASSES_ROOT]\n\"open=\"x\"\n", "line 2"},
      {"[HKEY_CLASSES_ROOT]\n\"name\"=\"bad \\q escape\"\n", "line 2"},
      {"[HKEY_CLASSES_ROOT]\n\"name\"=dword:12\n", "line 2"},
      {"[HKEY_CLASSES_ROOT\n", "line 1"},
      {"just words\n", "line 1"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    try {
      RegistryTree tree(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(c.fault), std::string::npos) << error.what();
    }
  }
}

constexpr std::string_view kScript = R"(HKCR
{
	Test.Thing.1 = s 'Thing Class'
	{
		CLSID = s '{00000000-0000-0000-0000-000000000001}'
	}
	NoRemove CLSID
	{
		ForceRemove {00000000-0000-0000-0000-000000000001} = s 'Thing Class'
		{
			InprocServer32 = s '%MODULE%'
			{
				val ThreadingModel = s 'Apartment'
			}
			'Tool Bitmap' = s '%MODULE%, 119'
			'Percent' = s '100%%'
			MiscStatus = d '0x10'
		}
	}
	Delete Obsolete.Thing
}
)";

const char* const kThing = "HKEY_CLASSES_ROOT\\CLSID\\{00000000-0000-0000-0000-000000000001}";

TEST(RegistryScriptTest, RegisteringMakesEveryKeyAndUnregisteringLeavesOnlyTheKept) {
  RegistryTree tree;
  RegistryKey& classes = tree.root().createSubkey("HKEY_CLASSES_ROOT");
  classes.createSubkey("Obsolete.Thing").setValue("", text("old"));
  classes.createSubkey("CLSID")
      .createSubkey("{00000000-0000-0000-0000-000000000001}")
      .createSubkey("Stale");
  // A path with a quote, blanks and percent signs is data, not script.
  const std::string module = "/home/o'brien/my %MODULE% dir/lib.so";
  runRegistryScript(tree, kScript, {{"module", module}}, true);

  EXPECT_EQ(tree.root().defaultText("HKEY_CLASSES_ROOT\\Test.Thing.1\\CLSID"),
            "{00000000-0000-0000-0000-000000000001}");
  const RegistryKey* thing = tree.root().find(kThing);
  ASSERT_NE(thing, nullptr);
  EXPECT_EQ(thing->find("Stale"), nullptr) << "ForceRemove starts the key afresh";
  EXPECT_EQ(thing->defaultText("InprocServer32"), module);
  EXPECT_EQ(thing->find("InprocServer32")->value("ThreadingModel")->text, "Apartment");
  EXPECT_EQ(thing->defaultText("Tool Bitmap"), module + ", 119");
  EXPECT_EQ(thing->defaultText("Percent"), "100%");
  EXPECT_EQ(*thing->find("MiscStatus")->value(""), (RegistryValue{Type::Dword, "16"}));
  EXPECT_EQ(classes.subkey("Obsolete.Thing"), nullptr);

  classes.createSubkey("CLSID").createSubkey("{Someone-Else}");
  runRegistryScript(tree, kScript, {{"MODULE", module}}, false);
  EXPECT_EQ(classes.subkey("Test.Thing.1"), nullptr);
  ASSERT_NE(classes.subkey("CLSID"), nullptr) << "NoRemove keys stay";
  EXPECT_EQ(classes.subkey("CLSID")->subkeyNames(), std::vector<std::string>{"{Someone-Else}"});
}

TEST(RegistryScriptTest, AScriptThatCannotRunChangesNothing) {
  const struct {
    const char* script;
    const char* fault;
  } kCases[] = {
      {"HKCR\n{\n  Key = s 'never closed\n}\n",
       "line 3 of the registry script: a quoted word is not closed"},
      {"HKCR\n{\n  Key = s '%UNKNOWN%'\n}\n",
       "line 3 of the registry script: no replacement for %UNKNOWN%"},
      {"HKCR { Key = s '50% off' }", "without its closing"},
      {"HKEY_NOWHERE { Key }", "is not a root key"},
      {"HKCR { Key = b '0102' }", "type \"b\" are not supported"},
      {"HKCR { Key = d 'many' }", "is not a dword"},
      {"HKCR { 'Back\\Slash' }", "cannot name a key"},
      {"HKCR { Key {", "ends early"},
      {"HKCR { Good = s 'made' } HKCR { = }", "cannot name a key"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.script);
    RegistryTree tree;
    ScriptRegistrar registrar(tree);
    ASSERT_EQ(registrar.AddReplacement("MODULE", "/lib.so"), S_OK);
    EXPECT_EQ(registrar.ResourceRegister(c.script), DISP_E_EXCEPTION);
    EXPECT_NE(registrar.failure().find(c.fault), std::string::npos) << registrar.failure();
    EXPECT_EQ(tree.text(), RegistryTree().text());
  }
}

class RegistryStoreTest : public ::testing::Test {
 protected:
  TempHome home_;
};

TEST_F(RegistryStoreTest, AChangeIsWrittenOnlyWhenItSucceeds) {
  EXPECT_EQ(readRegistry().text(), RegistryTree().text()) << "no file reads as an empty registry";
  updateRegistry([](RegistryTree& tree) {
    tree.root().createSubkey("HKEY_CLASSES_ROOT").createSubkey("Kept");
    return true;
  });
  const std::string written = home_.read(kRegistryFileName);
  EXPECT_NE(written.find("[HKEY_CLASSES_ROOT\\Kept]"), std::string::npos);

  updateRegistry([](RegistryTree& tree) {
    tree.root().createSubkey("HKEY_CLASSES_ROOT").createSubkey("Dropped");
    return false;
  });
  EXPECT_THROW(updateRegistry([](RegistryTree& tree) -> bool {
                 tree.root().createSubkey("HKEY_CLASSES_ROOT").createSubkey("Dropped");
                 throw std::runtime_error("failed half way");
               }),
               std::runtime_error);
  EXPECT_EQ(home_.read(kRegistryFileName), written);
}

TEST_F(RegistryStoreTest, ACorruptFileIsReportedAndLeftAsItIs) {
  home_.write(std::string(kRegistryFileName), "[HKEY_CLASSES_ROOT]\nnot a value\n");
  EXPECT_THROW(readRegistry(), std::runtime_error);
  EXPECT_THROW(updateRegistry([](RegistryTree&) { return true; }), std::runtime_error);
  EXPECT_EQ(home_.read(kRegistryFileName), "[HKEY_CLASSES_ROOT]\nnot a value\n");
}

// A module description of two classes whose scripts come from the test.
ModuleDescription twoClasses(std::string_view secondScript) {
  ModuleDescription module;
  module.typeLibrary = {
      GUID{0xABCDEF01, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}},
      "TESTLib",
      "Test 1.0 Type Library",
      1,
      0,
      0x0409,
      {{GUID{0x11, 0, 0, {}}, "ITest", false}, {GUID{0x12, 0, 0, {}}, "_ITestEvents", true}}};
  const auto runs = [](std::string script) {
    return [script](CRegistrar& registrar, bool registering) {
      registrar.AddReplacement("MODULE", "/test/lib.so");
      return registering ? registrar.ResourceRegister(script)
                         : registrar.ResourceUnregister(script);
    };
  };
  module.objectMap.push_back({GUID{0x21, 0, 0, {}}, runs("HKCR { First = s 'one' }")});
  module.objectMap.push_back({GUID{0x22, 0, 0, {}}, runs(std::string(secondScript))});
  return module;
}

HINSTANCE thisProgram() {
  return platform::moduleInstanceOf(reinterpret_cast<const void*>(&thisProgram));
}

TEST_F(RegistryStoreTest, TheManagerRegistersClassesAndTypeLibraryAndRemovesThemAgain) {
  ASSERT_EQ(UnregisterSvr(twoClasses("HKCR { Second = s 'two' }")), S_OK);
  EXPECT_FALSE(std::filesystem::exists(home_.folder() / kRegistryFileName))
      << "removing what was never registered writes nothing";
  ASSERT_EQ(RegisterSvr(thisProgram(), twoClasses("HKCR { Second = s 'two' }")), S_OK);
  const RegistryTree registry = readRegistry();
  const RegistryKey& classes = *registry.root().subkey("HKEY_CLASSES_ROOT");
  EXPECT_EQ(classes.defaultText("First"), "one");
  EXPECT_EQ(classes.defaultText("Second"), "two");
  const std::string library = "TypeLib\\{ABCDEF01-0001-0002-0304-05060708090A}\\1.0";
  EXPECT_EQ(classes.defaultText(library), "Test 1.0 Type Library");
  EXPECT_EQ(classes.defaultText(library + "\\409\\win32"),
            platform::moduleFileName(thisProgram()).string());
  EXPECT_EQ(classes.defaultText(library + "\\FLAGS"), "0");
  const std::string dual = "Interface\\{00000011-0000-0000-0000-000000000000}";
  EXPECT_EQ(classes.defaultText(dual), "ITest");
  EXPECT_EQ(classes.defaultText(dual + "\\ProxyStubClsid32"),
            "{00020424-0000-0000-C000-000000000046}");
  EXPECT_EQ(classes.defaultText(dual + "\\TypeLib"), "{ABCDEF01-0001-0002-0304-05060708090A}");
  EXPECT_EQ(classes.find(dual + "\\TypeLib")->value("Version")->text, "1.0");
  EXPECT_EQ(classes.defaultText("Interface\\{00000012-0000-0000-0000-000000000000}"
                                "\\ProxyStubClsid32"),
            "{00020420-0000-0000-C000-000000000046}");

  ASSERT_EQ(UnregisterSvr(twoClasses("HKCR { Second = s 'two' }")), S_OK);
  const RegistryTree after = readRegistry();
  const RegistryKey& left = *after.root().subkey("HKEY_CLASSES_ROOT");
  for (const char* gone : {"First", "Second", "TypeLib\\{ABCDEF01-0001-0002-0304-05060708090A}",
                           "Interface\\{00000011-0000-0000-0000-000000000000}",
                           "Interface\\{00000012-0000-0000-0000-000000000000}"}) {
    EXPECT_EQ(left.find(gone), nullptr) << gone;
  }
  EXPECT_EQ(UnregisterSvr(twoClasses("HKCR { Second = s 'two' }")), S_OK) << "nothing to remove";
}

TEST_F(RegistryStoreTest, OneFailingClassRegistersNothingAndIsLogged) {
  RecordingObserver observer;
  EXPECT_EQ(RegisterSvr(thisProgram(), twoClasses("HKCR { Second = s 'open")), DISP_E_EXCEPTION);
  EXPECT_FALSE(std::filesystem::exists(home_.folder() / kRegistryFileName));
  ASSERT_FALSE(observer.lines.empty());
  EXPECT_EQ(observer.lines.back().module, "RegisterManager");
  EXPECT_NE(observer.lines.back().text.find("{00000022-0000-0000-0000-000000000000}"),
            std::string::npos);
  EXPECT_NE(observer.lines.back().text.find("not closed"), std::string::npos);

  EXPECT_EQ(RegisterSvr(nullptr, twoClasses("HKCR { Second = s 'two' }")), E_INVALIDARG);
}

}  // namespace
}  // namespace desk::test
