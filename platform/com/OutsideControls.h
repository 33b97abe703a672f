#pragma once
// The outside controls a dialog can host, by the class name its template gives ("Month",
// "Coder"). The desk registers a maker for each class it offers; a dialog asks for a new
// instance when it opens. A class nobody registered gives no control, and the dialog stays
// empty.

#include <functional>
#include <string_view>

#include "platform/com/ComPtr.h"
#include "platform/com/Interfaces.h"

namespace platform {

using OutsideControlMaker = std::function<ComPtr<IDispatch>()>;

// Registers (or replaces) the maker of a class; an empty maker removes the class.
void registerOutsideControl(std::string_view className, OutsideControlMaker maker);
// A new instance of the class, or null.
ComPtr<IDispatch> createOutsideControl(std::string_view className);

}  // namespace platform
