#include "masks/simple/PNRModificationGIT.h"

namespace ids = resources::pnr_modification_git;

CPNRModificationGIT::CPNRModificationGIT() {
  fields().declare(numberInGroup_, "NOINGRP", ids::kNumberLabel, ids::kNumberInGroup, 1,
                   fields::kModification);
}

bool CPNRModificationGIT::ValidateFields() {
  return numberInGroup_.Validate();
}

std::string CPNRModificationGIT::BuildCommand() const {
  return "," + numberInGroup_.GetText(fields::kNumberBuffer);
}
