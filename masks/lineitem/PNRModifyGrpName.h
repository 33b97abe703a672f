#pragma once
// Changes the group name of the open group PNR: "-1\u00A4C/" + the new name. The desktop may
// preset the name through the queue "ID_MODIFYPNR_GROUPNAME".

#include <string>

#include "fields/CField.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/ModifyGroupNameDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModifyGrpName : public framework::StandardMask<CPNRModifyGrpName, IPNRModifyGrpName> {
 public:
  static constexpr framework::MaskTraits kTraits{"PNRModifyGrpName",
                                                 resources::pnr_modify_group_name::kDialog,
                                                 resources::pnr_modify_group_name::kButtons,
                                                 "PNR.PNRMODIFYGRPNAME",
                                                 framework::kModificationCaption,
                                                 framework::SendStyle::Logged};

  CPNRModifyGrpName();
  void AfterInitDialog();
  bool ValidateFields();
  std::string BuildCommand() const;

 private:
  fields::CField groupName_;
};
