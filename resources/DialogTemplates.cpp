#include "resources/DialogTemplates.h"

#include <array>

#include "resources/Dialogs.h"

namespace resources {
namespace {

const std::array kTemplates{
    &kPNRCreationFaxDialog,          &kPNRModificationGITDialog,    &kPNRModificationFaxDialog,
    &kPNRModificationIncreaseDialog, &kPNRModificationReduceDialog,
};

}  // namespace

std::span<const platform::DialogTemplate* const> dialogTemplates() {
  return kTemplates;
}

const platform::DialogTemplate* findDialogTemplate(int id) {
  for (const platform::DialogTemplate* dialogTemplate : kTemplates) {
    if (dialogTemplate->id == id) return dialogTemplate;
  }
  return nullptr;
}

}  // namespace resources
