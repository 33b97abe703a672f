// The shared identity of component objects: the reference count, QueryInterface over the
// listed interfaces, IUnknown and an identifier learnt at run time, and the object's end.

#include "platform/com/ComObject.h"

#include <gtest/gtest.h>

#include "platform/com/ComPtr.h"

namespace platform::test {
namespace {

const IID kOwnIid{0x1F2E3D4C, 0x5B6A, 0x4978, {0x86, 0x95, 0xA4, 0xB3, 0xC2, 0xD1, 0xE0, 0xF1}};
const IID kUnknownIid{0x0BADC0DE, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};

// An object with three interfaces that tells when it goes.
class Counted final : public ComObject<IDispatch, IConnectionPointContainer, IConnectionPoint> {
 public:
  explicit Counted(bool& deleted) : deleted_(deleted) {}
  ~Counted() override { deleted_ = true; }

  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return S_OK;
  }
  HRESULT FindConnectionPoint(REFIID, IConnectionPoint**) override { return E_NOTIMPL; }
  HRESULT GetConnectionInterface(IID*) override { return E_NOTIMPL; }
  HRESULT GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
  HRESULT Advise(IUnknown*, DWORD*) override { return E_NOTIMPL; }
  HRESULT Unadvise(DWORD) override { return E_NOTIMPL; }

 private:
  void* otherInterface(REFIID iid) override {
    return iid == kOwnIid ? static_cast<IDispatch*>(this) : nullptr;
  }
  bool& deleted_;
};

// An object its owner keeps: the last Release leaves it alone.
class Kept final : public ComObject<IDispatch> {
 public:
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return S_OK;
  }

 private:
  void lastReleased() override {}
};

TEST(ComObjectTest, EachInterfaceAndIUnknownAreAnsweredWithOneMoreReference) {
  bool deleted = false;
  auto* object = new Counted(deleted);
  IDispatch* dispatch = object;
  ASSERT_EQ(dispatch->AddRef(), 1u);
  struct Case {
    const IID& iid;
    void* expected;
  };
  const Case cases[] = {
      {IID_IUnknown, static_cast<IDispatch*>(object)},
      {IID_IDispatch, static_cast<IDispatch*>(object)},
      {IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(object)},
      {IID_IConnectionPoint, static_cast<IConnectionPoint*>(object)},
      {kOwnIid, static_cast<IDispatch*>(object)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(guidToString(c.iid));
    void* found = nullptr;
    ASSERT_EQ(dispatch->QueryInterface(c.iid, &found), S_OK);
    EXPECT_EQ(found, c.expected);
    // Every interface counts on the one object: its Release is the object's.
    EXPECT_EQ(static_cast<IUnknown*>(found)->Release(), 1u);
  }
  // IUnknown is one pointer whichever interface it is asked through.
  void* fromPoint = nullptr;
  ASSERT_EQ(static_cast<IConnectionPoint*>(object)->QueryInterface(IID_IUnknown, &fromPoint), S_OK);
  EXPECT_EQ(fromPoint, static_cast<IDispatch*>(object));
  static_cast<IUnknown*>(fromPoint)->Release();
  EXPECT_FALSE(deleted);
  EXPECT_EQ(dispatch->Release(), 0u);
  EXPECT_TRUE(deleted);
}

TEST(ComObjectTest, AnIdentifierNotAnsweredEmptiesTheSlotAndCountsNothing) {
  bool deleted = false;
  ComPtr<IDispatch> object(new Counted(deleted));
  int sentinel = 0;
  void* found = &sentinel;
  for (const IID* iid : {&kUnknownIid, &IID_IClassFactory, &IID_IInPlaceActivation, &IID_NULL}) {
    SCOPED_TRACE(guidToString(*iid));
    found = &sentinel;
    EXPECT_EQ(object->QueryInterface(*iid, &found), E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
  }
  EXPECT_EQ(object->QueryInterface(IID_IDispatch, nullptr), E_POINTER);
  // Only the ComPtr's own reference is left.
  EXPECT_EQ(object->AddRef(), 2u);
  EXPECT_EQ(object->Release(), 1u);
  object.reset();
  EXPECT_TRUE(deleted);
}

TEST(ComObjectTest, TheObjectGoesOnlyWithItsLastReference) {
  bool deleted = false;
  ComPtr<IDispatch> first(new Counted(deleted));
  ComPtr<IConnectionPoint> second = first.query<IConnectionPoint>(IID_IConnectionPoint);
  ASSERT_TRUE(second);
  first.reset();
  EXPECT_FALSE(deleted);
  second.reset();
  EXPECT_TRUE(deleted);
}

TEST(ComObjectTest, AnObjectItsOwnerKeepsOutlivesItsLastRelease) {
  Kept kept;
  EXPECT_EQ(kept.AddRef(), 1u);
  EXPECT_EQ(kept.Release(), 0u);
  // Still whole: it answers as before.
  void* found = nullptr;
  ASSERT_EQ(kept.QueryInterface(IID_IDispatch, &found), S_OK);
  EXPECT_EQ(found, static_cast<IDispatch*>(&kept));
  EXPECT_EQ(kept.Release(), 0u);
}

TEST(ComObjectTest, DispatchAndConnectionMembersNoObjectOffersAnswerNotImplemented) {
  Kept kept;
  UINT count = 7;
  EXPECT_EQ(kept.GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(kept.GetTypeInfoCount(nullptr), E_POINTER);
  ITypeInfo* typeInfo = reinterpret_cast<ITypeInfo*>(&count);
  EXPECT_EQ(kept.GetTypeInfo(0, LOCALE_USER_DEFAULT, &typeInfo), E_NOTIMPL);
  EXPECT_EQ(typeInfo, nullptr);
  DISPID id = 0;
  EXPECT_EQ(kept.GetIDsOfNames(IID_NULL, nullptr, 0, LOCALE_USER_DEFAULT, &id), E_NOTIMPL);

  bool deleted = false;
  ComPtr<IDispatch> object(new Counted(deleted));
  auto* counted = static_cast<Counted*>(object.get());
  IEnumConnectionPoints* points = reinterpret_cast<IEnumConnectionPoints*>(&count);
  EXPECT_EQ(counted->EnumConnectionPoints(&points), E_NOTIMPL);
  EXPECT_EQ(points, nullptr);
  IEnumConnections* connections = reinterpret_cast<IEnumConnections*>(&count);
  EXPECT_EQ(counted->EnumConnections(&connections), E_NOTIMPL);
  EXPECT_EQ(connections, nullptr);
}

}  // namespace
}  // namespace platform::test
