#pragma once
// The identity every component object of the desk and the module shares: a reference count,
// and QueryInterface over the interfaces it lists (IUnknown being the first of them). A class
// derives from ComObject<Its, Interfaces...> and writes only its own behaviour; the parts of
// IDispatch and of the connection interfaces that no object here offers (type information,
// enumerators) answer E_NOTIMPL once, in this header, and a class may still replace them.

#include <atomic>
#include <type_traits>

#include "platform/com/Interfaces.h"

namespace platform {

// The identifier QueryInterface answers an interface by; null for an interface it only learns
// at run time (a mask's own automation interface: see ComObject::otherInterface).
template <class Interface>
const IID* interfaceIdOf() {
  return nullptr;
}
template <>
inline const IID* interfaceIdOf<IClassFactory>() {
  return &IID_IClassFactory;
}
template <>
inline const IID* interfaceIdOf<IDispatch>() {
  return &IID_IDispatch;
}
template <>
inline const IID* interfaceIdOf<IConnectionPointContainer>() {
  return &IID_IConnectionPointContainer;
}
template <>
inline const IID* interfaceIdOf<IConnectionPoint>() {
  return &IID_IConnectionPoint;
}
template <>
inline const IID* interfaceIdOf<IInPlaceActivation>() {
  return &IID_IInPlaceActivation;
}

// Whether an object that implements Interface answers iid with it: by the interface's own
// identifier, or by IDispatch's for an automation interface.
template <class Interface>
bool answersFor(REFIID iid) {
  const IID* own = interfaceIdOf<Interface>();
  if (own != nullptr && iid == *own) return true;
  return std::is_base_of_v<IDispatch, Interface> && iid == IID_IDispatch;
}

// An interface with the members no object here implements answered once.
template <class Interface>
struct InterfaceDefaults : Interface {
 protected:
  ~InterfaceDefaults() = default;
};

// The type information and names of a dispatch interface whose callers use dispatch ids.
template <class Interface>
requires std::is_base_of_v<IDispatch, Interface>
struct InterfaceDefaults<Interface> : Interface {
  HRESULT GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) override {
    if (typeInfo != nullptr) *typeInfo = nullptr;
    return E_NOTIMPL;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }

 protected:
  ~InterfaceDefaults() = default;
};

template <>
struct InterfaceDefaults<IConnectionPointContainer> : IConnectionPointContainer {
  HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) override {
    if (points != nullptr) *points = nullptr;
    return E_NOTIMPL;
  }

 protected:
  ~InterfaceDefaults() = default;
};

template <>
struct InterfaceDefaults<IConnectionPoint> : IConnectionPoint {
  HRESULT EnumConnections(IEnumConnections** connections) override {
    if (connections != nullptr) *connections = nullptr;
    return E_NOTIMPL;
  }

 protected:
  ~InterfaceDefaults() = default;
};

// The interface pointer of object for iid among Interfaces, or null.
template <class Object, class... Interfaces>
void* findInterface(Object* object, REFIID iid) {
  void* found = nullptr;
  (
      [&] {
        if (found == nullptr && answersFor<Interfaces>(iid))
          found = static_cast<Interfaces*>(object);
      }(),
      ...);
  return found;
}

template <class First, class... Others>
class ComObject : public InterfaceDefaults<First>, public InterfaceDefaults<Others>... {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = iid == IID_IUnknown ? static_cast<First*>(this)
                                  : findInterface<ComObject, First, Others...>(this, iid);
    if (*object == nullptr) *object = otherInterface(iid);
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override {
    const ULONG remaining = --references_;
    if (remaining == 0) lastReleased();
    return remaining;
  }

  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

  // An identifier the object answers beyond its interfaces' own (its class's interface, the
  // event interface a sink listens on): the interface pointer for it, or null.
  virtual void* otherInterface(REFIID) { return nullptr; }
  // What the last Release does: an object made with new deletes itself; one its owner keeps
  // (on the stack, in a member, in a cache) replaces this with nothing.
  virtual void lastReleased() { delete this; }

 private:
  std::atomic<ULONG> references_{0};
};

}  // namespace platform
