// The module's registration: the registry script of every class, and the built module
// registered in a desk home, its classes created by ProgID through the registry, and
// unregistered again.

#include "module/Registration.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "desk/services/RegistryScript.h"
#include "desk/services/RegistryStore.h"
#include "module/ObjectMap.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ServerEntryPoints.h"
#include "platform/files/ModuleFile.h"
#include "resources/ModuleResources.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using desk::RegistryKey;
using desk::RegistryTree;

// What is left of a registry whose every registration was removed again.
constexpr std::string_view kEmptyClasses =
    "REGEDIT4\n\n[HKEY_CLASSES_ROOT]\n\n[HKEY_CLASSES_ROOT\\CLSID]\n";

// The keys and values of one class, as the script of the class makes them (the class's facts
// are checked against the object map's table in TypeLibraryTest).
void expectClassRegistered(const RegistryKey& classes, const typelib::ClassDescription& c,
                           const std::string& module) {
  const std::string versioned = typelib::versionedProgId(c);
  const std::string independent = typelib::progId(c);
  const std::string clsid = guidToString(c.clsid);
  const std::string description = std::string(c.name) + " Class";

  EXPECT_EQ(classes.defaultText(versioned), description);
  EXPECT_EQ(classes.defaultText(versioned + "\\CLSID"), clsid);
  EXPECT_EQ(classes.defaultText(independent), description);
  EXPECT_EQ(classes.defaultText(independent + "\\CLSID"), clsid);
  EXPECT_EQ(classes.defaultText(independent + "\\CurVer"), versioned);

  const RegistryKey* key = classes.find("CLSID\\" + clsid);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->defaultText(""), description);
  EXPECT_EQ(key->subkeyNames(),
            (std::vector<std::string>{"Control", "InprocServer32", "Insertable", "MiscStatus",
                                      "ProgID", "Programmable", "ToolboxBitmap32", "TypeLib",
                                      "Version", "VersionIndependentProgID"}));
  EXPECT_EQ(key->defaultText("ProgID"), versioned);
  EXPECT_EQ(key->defaultText("VersionIndependentProgID"), independent);
  EXPECT_EQ(key->defaultText("InprocServer32"), module);
  const desk::RegistryValue* threading = key->find("InprocServer32")->value("ThreadingModel");
  if (c.threadingModel == typelib::ThreadingModel::Apartment) {
    ASSERT_NE(threading, nullptr);
    EXPECT_EQ(threading->text, "Apartment");
  } else {
    EXPECT_EQ(threading, nullptr);
  }
  EXPECT_EQ(key->defaultText("ToolboxBitmap32"), module + ", " + std::to_string(c.toolboxBitmapId));
  EXPECT_EQ(key->defaultText("MiscStatus"), "0");
  EXPECT_EQ(key->defaultText("MiscStatus\\1"), "131473");
  EXPECT_EQ(
      key->defaultText("TypeLib"),
      guidToString(c.progIdPrefix == "Vespin2" ? typelib::kSiblingLibraryId : typelib::kLibraryId));
  EXPECT_EQ(key->defaultText("Version"), "1.0");
  for (const char* empty : {"Programmable", "Control", "Insertable"}) {
    EXPECT_TRUE(key->find(empty)->values().empty()) << empty;
  }
}

// Every class has its script, also those whose mask the object map does not serve yet.
TEST(RegistryScriptsTest, EveryClassRegistersAsAControlAndUnregistersWithoutTrace) {
  const std::string module = platform::moduleFileName(moduleInstance()).string();
  ASSERT_FALSE(module.empty());
  for (const typelib::ClassDescription& c : typelib::classes()) {
    SCOPED_TRACE(c.name);
    RegistryTree tree;
    desk::ScriptRegistrar registrar(tree);
    ASSERT_EQ(updateRegistry(c, registrar, true), S_OK) << registrar.failure();
    const RegistryKey& classes = *tree.root().subkey("HKEY_CLASSES_ROOT");
    EXPECT_EQ(classes.subkeyNames().size(), 3u) << "the two ProgIDs and CLSID";
    expectClassRegistered(classes, c, module);
    ASSERT_EQ(updateRegistry(c, registrar, false), S_OK) << registrar.failure();
    EXPECT_EQ(tree.text(), kEmptyClasses);
  }
}

TEST(RegistryScriptsTest, TheModuleShipsItsBitmaps) {
  EXPECT_EQ(resources::bitmapIds(),
            (std::vector<int>{102, 105, 107, 110, 113, 116, 119, 122, 125, 128, 131, 134, 137,
                              140, 143, 146, 149, 152, 155, 158, 161, 164, 170, 173, 176, 854}));
  const std::optional<std::string_view> bitmap = resources::findBitmap(119);
  ASSERT_TRUE(bitmap);
  EXPECT_TRUE(bitmap->starts_with("BM"));
  EXPECT_FALSE(resources::findBitmap(101)) << "named by two scripts, held by none";
  EXPECT_FALSE(resources::findRegistryScript(119));
}

// The built module, registered as a desktop installer registers it.
class ModuleRegistrationTest : public testing::Test {
 protected:
  void SetUp() override {
    if (builtModule() == nullptr) GTEST_SKIP() << "the module is not built";
    registerServer_ =
        reinterpret_cast<DllRegisterServerFunction>(::dlsym(builtModule(), "DllRegisterServer"));
    unregisterServer_ = reinterpret_cast<DllUnregisterServerFunction>(
        ::dlsym(builtModule(), "DllUnregisterServer"));
    ASSERT_NE(registerServer_, nullptr);
    ASSERT_NE(unregisterServer_, nullptr);
  }

  TempDeskHome home_;
  DllRegisterServerFunction registerServer_ = nullptr;
  DllUnregisterServerFunction unregisterServer_ = nullptr;
};

// Creates the class through the registry as a container does: ProgID, class identifier,
// module file, class factory.
void createByProgId(const RegistryKey& classes, const std::string& progId) {
  SCOPED_TRACE(progId);
  const std::optional<std::string> clsidText = classes.defaultText(progId + "\\CLSID");
  ASSERT_TRUE(clsidText);
  const std::optional<GUID> clsid = guidFromString(*clsidText);
  ASSERT_TRUE(clsid);
  const std::optional<std::string> file =
      classes.defaultText("CLSID\\" + *clsidText + "\\InprocServer32");
  ASSERT_TRUE(file);
  void* loaded = ::dlopen(file->c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(loaded, nullptr) << *file;
  auto getClassObject =
      reinterpret_cast<DllGetClassObjectFunction>(::dlsym(loaded, "DllGetClassObject"));
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(getClassObject(*clsid, IID_IClassFactory, factory.outVoid()), S_OK);
  ComPtr<IDispatch> mask;
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, mask.outVoid()), S_OK);
  EXPECT_TRUE(mask);
  mask.reset();
  factory.reset();
  ::dlclose(loaded);
}

TEST_F(ModuleRegistrationTest, ClassesAreCreatedByProgIdAndUnregistrationLeavesOnlyOthers) {
  // Someone else's registration, which neither step may touch.
  desk::updateRegistry([](RegistryTree& tree) {
    tree.root()
        .createSubkey("HKEY_CLASSES_ROOT")
        .createSubkey("Other.Thing")
        .setValue("", {desk::RegistryValue::Type::String, "kept"});
    return true;
  });
  ASSERT_EQ(registerServer_(), S_OK);
  ASSERT_EQ(registerServer_(), S_OK) << "registering twice is harmless";

  const std::string module = std::filesystem::canonical(builtModulePath()).string();
  const RegistryTree registry = desk::readRegistry();
  const RegistryKey& classes = *registry.root().subkey("HKEY_CLASSES_ROOT");
  std::set<const typelib::ClassDescription*> served;
  for (const ObjectMapEntry& entry : objectMap()) {
    SCOPED_TRACE(entry.description.name);
    served.insert(&entry.description);
    expectClassRegistered(classes, entry.description, module);
    createByProgId(classes, typelib::progId(entry.description));
    createByProgId(classes, typelib::versionedProgId(entry.description));
  }
  EXPECT_EQ(served.size(), typelib::classes().size()) << "every class is served and registered";
  const std::string library = "TypeLib\\" + guidToString(typelib::kLibraryId) + "\\1.0";
  EXPECT_EQ(classes.defaultText(library), "Quillet 1.0 Type Library");
  EXPECT_EQ(classes.defaultText(library + "\\409\\win32"), module);
  for (const typelib::ClassDescription& c : typelib::classes()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(classes.defaultText("Interface\\" + guidToString(c.iid)), typelib::interfaceName(c));
    EXPECT_EQ(classes.defaultText("Interface\\" + guidToString(c.eventIid)),
              typelib::eventInterfaceName(c));
    if (!served.contains(&c)) {
      EXPECT_EQ(classes.find(typelib::progId(c)), nullptr) << "registered before its mask";
    }
  }

  ASSERT_EQ(unregisterServer_(), S_OK);
  const std::string left = home_.read(desk::kRegistryFileName);
  EXPECT_EQ(left, std::string(kEmptyClasses) + "\n[HKEY_CLASSES_ROOT\\Interface]\n\n" +
                      "[HKEY_CLASSES_ROOT\\Other.Thing]\n@=\"kept\"\n\n" +
                      "[HKEY_CLASSES_ROOT\\TypeLib]\n");
}

}  // namespace
}  // namespace module::test
