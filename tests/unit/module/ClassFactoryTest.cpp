// The module's class objects: the factories of the object map, the module lock, and the entry
// points of the built module as a container reaches them.

#include "module/ClassFactory.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/ModuleLock.h"
#include "module/ObjectMap.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ServerEntryPoints.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

// Put in out parameters before a call, to see that the call empties them.
int sentinel = 0;
void* const kNotNull = &sentinel;

const CLSID kUnknownClass{0x0BADC0DE, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};

const ObjectMapEntry& faxEntry() {
  const ObjectMapEntry* entry = findObjectMapEntry(typelib::findClass("PNRCreationFax")->clsid);
  if (entry == nullptr) throw std::logic_error("PNRCreationFax is not served");
  return *entry;
}

// Masks read the main settings when they are made, so every test has a desk home.
class ClassFactoryTest : public testing::Test {
 protected:
  TempDeskHome home_;
};

TEST_F(ClassFactoryTest, EachClassHasOneFactoryMadeOnce) {
  for (const ObjectMapEntry& entry : objectMap()) {
    SCOPED_TRACE(entry.description.name);
    EXPECT_EQ(&classFactoryOf(entry), &classFactoryOf(entry));
  }
  EXPECT_NE(&classFactoryOf(objectMap()[0]), &classFactoryOf(objectMap()[1]));
}

TEST_F(ClassFactoryTest, FactoryAnswersOnlyForItsOwnInterfaces) {
  ClassFactory& factory = classFactoryOf(faxEntry());
  void* object = nullptr;
  ASSERT_EQ(factory.QueryInterface(IID_IClassFactory, &object), S_OK);
  EXPECT_EQ(object, static_cast<IClassFactory*>(&factory));
  factory.Release();
  ASSERT_EQ(factory.QueryInterface(IID_IUnknown, &object), S_OK);
  factory.Release();
  object = kNotNull;
  EXPECT_EQ(factory.QueryInterface(IID_IDispatch, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(factory.QueryInterface(IID_IClassFactory, nullptr), E_POINTER);
}

TEST_F(ClassFactoryTest, AggregationIsRefused) {
  ClassFactory& factory = classFactoryOf(faxEntry());
  void* object = kNotNull;
  EXPECT_EQ(factory.CreateInstance(reinterpret_cast<IUnknown*>(&factory), IID_IDispatch, &object),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(factory.CreateInstance(nullptr, IID_IDispatch, nullptr), E_POINTER);
}

TEST_F(ClassFactoryTest, LiveObjectsAndServerLocksHoldTheModule) {
  ClassFactory& factory = classFactoryOf(faxEntry());
  const long idle = framework::moduleLockCount();

  ASSERT_EQ(factory.LockServer(1), S_OK);
  EXPECT_EQ(framework::moduleLockCount(), idle + 1);
  ASSERT_EQ(factory.LockServer(0), S_OK);
  EXPECT_EQ(framework::moduleLockCount(), idle);

  void* first = nullptr;
  void* second = nullptr;
  ASSERT_EQ(factory.CreateInstance(nullptr, IID_IDispatch, &first), S_OK);
  ASSERT_EQ(factory.CreateInstance(nullptr, faxEntry().description.iid, &second), S_OK);
  EXPECT_NE(first, second);
  EXPECT_EQ(framework::moduleLockCount(), idle + 2);
  static_cast<IDispatch*>(first)->Release();
  static_cast<IDispatch*>(second)->Release();
  EXPECT_EQ(framework::moduleLockCount(), idle);
}

TEST_F(ClassFactoryTest, AnInterfaceTheMaskLacksLeavesNoObjectBehind) {
  ClassFactory& factory = classFactoryOf(faxEntry());
  const long idle = framework::moduleLockCount();
  const IID otherMasks = typelib::findClass("PNRModificationFax")->iid;
  void* object = kNotNull;
  EXPECT_EQ(factory.CreateInstance(nullptr, otherMasks, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(framework::moduleLockCount(), idle);
}

// The entry points of the built module, loaded as a container loads it.
class EntryPointsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (module() == nullptr) GTEST_SKIP() << "the module is not built: " << modulePath();
    getClassObject_ =
        reinterpret_cast<DllGetClassObjectFunction>(::dlsym(module(), "DllGetClassObject"));
    canUnloadNow_ = reinterpret_cast<DllCanUnloadNowFunction>(::dlsym(module(), "DllCanUnloadNow"));
    ASSERT_NE(getClassObject_, nullptr);
    ASSERT_NE(canUnloadNow_, nullptr);
  }

  static std::filesystem::path modulePath() { return builtModulePath(); }
  static void* module() { return builtModule(); }

  ComPtr<IClassFactory> factoryOf(const char* className) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(
        getClassObject_(typelib::findClass(className)->clsid, IID_IClassFactory, factory.outVoid()),
        S_OK);
    return factory;
  }

  TempDeskHome home_;
  DllGetClassObjectFunction getClassObject_ = nullptr;
  DllCanUnloadNowFunction canUnloadNow_ = nullptr;
};

TEST_F(EntryPointsTest, ExportsItsEntryPointsAndKeepsItsInsidesPrivate) {
  for (const char* name :
       {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer"}) {
    EXPECT_NE(::dlsym(module(), name), nullptr) << name;
  }
  EXPECT_EQ(::dlsym(module(), "_ZN8typelib7classesEv"), nullptr);  // typelib::classes()
}

TEST_F(EntryPointsTest, ClassObjectRequestsThatCannotBeAnswered) {
  const CLSID fax = typelib::findClass("PNRCreationFax")->clsid;
  EXPECT_EQ(getClassObject_(fax, IID_IClassFactory, nullptr), E_POINTER);

  void* object = kNotNull;
  EXPECT_EQ(getClassObject_(kUnknownClass, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);

  object = kNotNull;
  EXPECT_EQ(getClassObject_(fax, IID_IDispatch, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
}

TEST_F(EntryPointsTest, TheSameFactoryIsGivenEachTime) {
  ComPtr<IClassFactory> first = factoryOf("PNRCreationFax");
  ComPtr<IClassFactory> second = factoryOf("PNRCreationFax");
  ASSERT_TRUE(first);
  EXPECT_EQ(first.get(), second.get());
  EXPECT_NE(factoryOf("PNRModificationFax").get(), first.get());
}

TEST_F(EntryPointsTest, TheFactoryRefusesAggregation) {
  ComPtr<IClassFactory> factory = factoryOf("PNRCreationFax");
  ASSERT_TRUE(factory);
  void* object = kNotNull;
  EXPECT_EQ(
      factory->CreateInstance(reinterpret_cast<IUnknown*>(factory.get()), IID_IUnknown, &object),
      CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object, nullptr);
}

TEST_F(EntryPointsTest, ServerLocksAndLiveMasksKeepTheModuleLoaded) {
  ComPtr<IClassFactory> factory = factoryOf("PNRCreationFax");
  ASSERT_TRUE(factory);
  ASSERT_EQ(canUnloadNow_(), S_OK);

  factory->LockServer(1);
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  factory->LockServer(1);
  factory->LockServer(0);
  EXPECT_EQ(canUnloadNow_(), S_FALSE) << "one lock is still taken";
  factory->LockServer(0);
  EXPECT_EQ(canUnloadNow_(), S_OK);

  ComPtr<IUnknown> mask;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, mask.outVoid()), S_OK);
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  ComPtr<IUnknown> again = mask;  // more references to the same mask
  mask.reset();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  again.reset();
  EXPECT_EQ(canUnloadNow_(), S_OK);

  // A mask of every class holds the module, and a lock outlives them all.
  std::vector<ComPtr<IUnknown>> masks;
  factory->LockServer(1);
  for (const ObjectMapEntry& entry : objectMap()) {
    masks.emplace_back();
    ASSERT_EQ(factoryOf(std::string(entry.description.name).c_str())
                  ->CreateInstance(nullptr, IID_IUnknown, masks.back().outVoid()),
              S_OK);
  }
  masks.pop_back();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  masks.clear();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  factory->LockServer(0);
  EXPECT_EQ(canUnloadNow_(), S_OK);
}

}  // namespace
}  // namespace module::test
