#pragma once
// The composite control every mask class derives from: its identity as a component object
// (the shared reference count and interface query), its automation interface answered from the type
// library, the connection point of its events, and its in-place activation, which builds the mask's
// dialog from its template and routes the dialog's messages to the mask.
//
// T is the mask class; Interface its automation interface. T provides:
//   static constexpr MaskTraits kTraits;
//   bool ProcessWindowMessage(const platform::Message&, platform::LRESULT&);
// and may replace the automation members below (SetResponse, receivedFrom, ...).

#include <memory>
#include <string>
#include <vector>

#include "framework/EventConnectionPoint.h"
#include "framework/ModuleLock.h"
#include "framework/TorvanMaskT.h"
#include "platform/com/ComObject.h"
#include "platform/com/Interfaces.h"
#include "platform/window/Window.h"
#include "typelib/TypeLibrary.h"

namespace framework {

// The parts of the control that do not depend on the mask class.
class MaskControlBase {
 public:
  explicit MaskControlBase(const typelib::ClassDescription& description);
  virtual ~MaskControlBase();
  MaskControlBase(const MaskControlBase&) = delete;
  MaskControlBase& operator=(const MaskControlBase&) = delete;

  const typelib::ClassDescription& description() const { return description_; }
  platform::Window* dialog() const { return dialog_.get(); }

  // Fires an event with its string arguments in declared order.
  void fireEvent(typelib::Event event, const std::vector<std::string>& arguments = {});

 protected:
  HRESULT namesToIds(LPOLESTR* names, UINT nameCount, DISPID* ids) const;
  // Calls the member with its string arguments, for Invoke.
  HRESULT invokeMember(DISPID member, WORD flags, const DISPPARAMS* params, VARIANT* result);
  virtual HRESULT callMember(typelib::Member member, WORD flags, const std::vector<BSTR>& arguments,
                             BSTR* result) = 0;
  // Builds the dialog, hands its messages to route and sends WM_INITDIALOG.
  HRESULT activate(platform::Window* containerWindow,
                   const platform::DialogTemplate& dialogTemplate);
  void deactivate();
  virtual bool routeMessage(const platform::Message& message, platform::LRESULT& result) = 0;
  // Passes notifications of a control back to it, so that the control's own handler can
  // answer its colour request or its command.
  bool reflectNotification(const platform::Message& message, platform::LRESULT& result);

  EventConnectionPoint* connectionPoint() { return connectionPoint_.get(); }
  void createConnectionPoint(IConnectionPointContainer& container);

 private:
  const typelib::ClassDescription& description_;
  std::unique_ptr<EventConnectionPoint> connectionPoint_;
  std::unique_ptr<platform::Window> dialog_;
};

template <class T, class Interface>
class MaskControl
    : public platform::ComObject<Interface, IConnectionPointContainer, IInPlaceActivation>,
      public MaskControlBase {
 public:
  MaskControl() : MaskControlBase(*typelib::findClass(T::kTraits.name)), mask_(T::kTraits.name) {
    createConnectionPoint(*this);
  }

  // IDispatch
  HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT nameCount, LCID, DISPID* ids) override {
    return namesToIds(names, nameCount, ids);
  }
  HRESULT Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO*, UINT*) override {
    return invokeMember(member, flags, params, result);
  }

  // IConnectionPointContainer
  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    if (point == nullptr) return E_POINTER;
    *point = nullptr;
    if (iid != description().eventIid) return CONNECT_E_NOCONNECTION;
    *point = connectionPoint();
    (*point)->AddRef();
    return S_OK;
  }

  // IInPlaceActivation
  HRESULT InPlaceActivate(platform::Window* containerWindow) override {
    return activate(containerWindow, T::kTraits.dialog);
  }
  HRESULT GetWindow(platform::Window** window) override {
    if (window == nullptr) return E_POINTER;
    *window = dialog();
    return dialog() != nullptr ? S_OK : E_FAIL;
  }
  HRESULT InPlaceDeactivate() override {
    deactivate();
    return S_OK;
  }

  // Automation members. Those the class's interface lists override its slots; Invoke reaches
  // the mask's own version of each through T.
  HRESULT get_Lang(BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = bstrFromLatin1(mask_.languageCode());
    return S_OK;
  }
  HRESULT put_Lang(BSTR value) {
    mask_.setLanguageCode(latin1FromBstr(value));
    static_cast<T*>(this)->OnLanguageChanged();
    return S_OK;
  }
  HRESULT SetResponse(BSTR) { return S_OK; }
  HRESULT receivedFrom(BSTR, BSTR, BSTR) { return S_OK; }
  HRESULT initFields(BSTR) { return S_OK; }
  HRESULT initField(BSTR) { return S_OK; }
  HRESULT initParam(BSTR) { return S_OK; }

  // What a mask does after put_Lang besides keeping the code.
  void OnLanguageChanged() {}

  TorvanMaskT<T>& mask() { return mask_; }

 protected:
  ~MaskControl() override = default;

 private:
  HRESULT callMember(typelib::Member member, WORD flags, const std::vector<BSTR>& arguments,
                     BSTR* result) override {
    T& self = *static_cast<T*>(this);
    switch (member) {
      case typelib::Member::Lang:
        return (flags & DISPATCH_PROPERTYGET) != 0 ? self.get_Lang(result)
                                                   : self.put_Lang(arguments[0]);
      case typelib::Member::SetResponse:
        return self.SetResponse(arguments[0]);
      case typelib::Member::ReceivedFrom:
        return self.receivedFrom(arguments[0], arguments[1], arguments[2]);
      case typelib::Member::InitFields:
        return self.initFields(arguments[0]);
      case typelib::Member::InitField:
        return self.initField(arguments[0]);
      case typelib::Member::InitParam:
        return self.initParam(arguments[0]);
    }
    return DISP_E_MEMBERNOTFOUND;
  }

  bool routeMessage(const platform::Message& message, platform::LRESULT& result) override {
    return static_cast<T*>(this)->ProcessWindowMessage(message, result) ||
           reflectNotification(message, result);
  }

  // The class's own automation interface, known from its row of the type library.
  void* otherInterface(REFIID iid) override {
    return iid == description().iid ? static_cast<Interface*>(this) : nullptr;
  }

  TorvanMaskT<T> mask_;
};

// The class factory's way to make a mask: a new object asked for the interface.
template <class T>
HRESULT createMaskInstance(REFIID iid, void** object) {
  T* mask = new T();
  mask->AddRef();
  const HRESULT result = mask->QueryInterface(iid, object);
  mask->Release();
  return result;
}

}  // namespace framework
