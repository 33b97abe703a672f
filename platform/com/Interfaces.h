#pragma once
// The component model's interfaces that the module serves and its containers use. Their
// layout is that of C++ classes with virtual functions, in the slot order of the standard
// interfaces.

#include "platform/com/Bstr.h"
#include "platform/com/ComTypes.h"
#include "platform/com/Variant.h"

namespace platform {
class Window;
}

struct ITypeInfo;

struct IUnknown {
  virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
  virtual HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) = 0;
  virtual HRESULT LockServer(BOOL lock) = 0;

 protected:
  ~IClassFactory() = default;
};

struct IDispatch : IUnknown {
  virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
  virtual HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) = 0;
  virtual HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT nameCount, LCID locale,
                                DISPID* dispatchIds) = 0;
  virtual HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* exception, UINT* argumentError) = 0;

 protected:
  ~IDispatch() = default;
};

struct IConnectionPoint;
struct IEnumConnectionPoints;
struct IEnumConnections;

struct IConnectionPointContainer : IUnknown {
  virtual HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) = 0;
  virtual HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) = 0;

 protected:
  ~IConnectionPointContainer() = default;
};

struct IConnectionPoint : IUnknown {
  virtual HRESULT GetConnectionInterface(IID* iid) = 0;
  virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
  virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
  virtual HRESULT Unadvise(DWORD cookie) = 0;
  virtual HRESULT EnumConnections(IEnumConnections** connections) = 0;

 protected:
  ~IConnectionPoint() = default;
};

// How a container activates a control in place: the control creates its window (for a mask,
// its dialog, initialised) as a child of the container's window, and the container reaches
// that window to show it and to drive it.
struct IInPlaceActivation : IUnknown {
  virtual HRESULT InPlaceActivate(platform::Window* containerWindow) = 0;
  virtual HRESULT GetWindow(platform::Window** window) = 0;
  virtual HRESULT InPlaceDeactivate() = 0;

 protected:
  ~IInPlaceActivation() = default;
};

extern const IID IID_IUnknown;
extern const IID IID_IClassFactory;
extern const IID IID_IDispatch;
extern const IID IID_IConnectionPointContainer;
extern const IID IID_IConnectionPoint;
extern const IID IID_IInPlaceActivation;
