#pragma once
// The e-mail element of a PNR: the address, an optional free text and an optional passenger
// name number or selection, "PE" + (line + change mark) + free-text mark + address (each "_"
// as "==") + free-text mark + free text + ("-" + passenger).

#include <string>
#include <string_view>

#include "fields/CField.h"
#include "fields/PhoneFields.h"

namespace fields {

class CFieldEmail {
 public:
  // With emailLabelId -1 none of the three labels is attached.
  int Create(platform::Window& dialog, int emailLabelId, int emailEditId, int freeTextLabelId,
             int freeTextEditId, int paxLabelId, int paxEditId, int mandatory, int modification);
  int Validate();
  // Empty when the address is empty.
  std::string BuildFragment(LinePrefix prefix = std::nullopt) const;
  // "EMAIL", "FREETEXT", "PAXNAMESELECT".
  int Save(CTorvanProfile& profile) const;
  int Load(CTorvanProfile& profile);
  void Clear();
  void SetEmail(std::string_view text);

 private:
  platform::Window* dialog_ = nullptr;
  CField email_;
  CField freeText_;
  CField passenger_;
  int mandatory_ = 0;
  int hasLabels_ = 0;
  int modification_ = 0;
};

}  // namespace fields
