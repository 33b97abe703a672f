#include "masks/simple/PNRModificationReduce.h"

#include "framework/HostCommand.h"

void CPNRModificationReduce::BindFields(platform::Window& dialog) {
  passengerCount_.Create(dialog, 609, 610, 1, 1);
  nameNumbers_.Create(dialog, 611, 612, 1);
}

bool CPNRModificationReduce::ValidateFields() {
  return passengerCount_.Validate() && nameNumbers_.Validate();
}

std::string CPNRModificationReduce::BuildCommand() const {
  return "," + passengerCount_.GetText(fields::kShortBuffer) + "|-" +
         nameNumbers_.GetText(fields::kShortBuffer) + std::string(framework::kChangeMark);
}

std::array<fields::SavedField, 2> CPNRModificationReduce::SavedFields() {
  return {{{&passengerCount_, "NoPax"}, {&nameNumbers_, "PAXNAMENOS"}}};
}

void CPNRModificationReduce::ClearFields() {
  passengerCount_.Clear();
  nameNumbers_.Clear();
}
