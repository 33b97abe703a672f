#include "resources/dialogs/AddPaxDialog.h"

#include <array>

#include "resources/DialogParts.h"

namespace resources::create_add_pax {
namespace {

constexpr std::array<ControlTemplate, 1> kControls{{
    {kAddPax, WindowClass::Hosted, "", platform::WS_TABSTOP | platform::WS_VISIBLE, 0, 0, 428, 242,
     kControlClass},
}};

}  // namespace

const platform::DialogTemplate kDialog = maskDialog(kDialogId, 428, 242, kControls);

}  // namespace resources::create_add_pax
