#pragma once
// Hosts one mask in a container: creates it through the module's class factory, connects an
// event sink to its connection point, activates it in place, and calls its automation
// members by name through IDispatch.

#include <string>
#include <string_view>
#include <vector>

#include "desk/container/EventSink.h"
#include "desk/container/ModuleLoader.h"
#include "platform/com/ComPtr.h"
#include "platform/window/Window.h"
#include "typelib/TypeLibrary.h"

namespace desk {

class MaskHost {
 public:
  // Throws std::runtime_error when the mask cannot be created or connected.
  MaskHost(const ModuleLoader& module, const typelib::ClassDescription& description,
           EventHandler onEvent);
  ~MaskHost();
  MaskHost(const MaskHost&) = delete;
  MaskHost& operator=(const MaskHost&) = delete;

  const typelib::ClassDescription& description() const { return description_; }

  // Creates the mask's window in containerWindow; nothing happens when it is open already.
  HRESULT open(platform::Window* containerWindow);
  // The mask's dialog, or null before open.
  platform::Window* window() const;

  // A method by name with string arguments (UTF-8).
  HRESULT call(std::string_view member, const std::vector<std::string>& arguments);
  HRESULT putLang(std::string_view language);
  HRESULT getLang(std::string& language);

  // Disconnects the sink, closes the window and lets the mask go.
  void release();

 private:
  HRESULT invoke(std::string_view member, WORD flags, const std::vector<std::string>& arguments,
                 VARIANT* result);

  const typelib::ClassDescription& description_;
  ComPtr<IDispatch> dispatch_;
  ComPtr<IInPlaceActivation> activation_;
  ComPtr<IConnectionPoint> connectionPoint_;
  DWORD cookie_ = 0;
};

}  // namespace desk
