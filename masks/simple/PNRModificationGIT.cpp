#include "masks/simple/PNRModificationGIT.h"

void CPNRModificationGIT::BindFields(platform::Window& dialog) {
  numberInGroup_.Create(dialog, 551, 552, 1, fields::kModification);
}

bool CPNRModificationGIT::ValidateFields() {
  return numberInGroup_.Validate();
}

std::string CPNRModificationGIT::BuildCommand() const {
  return "," + numberInGroup_.GetText(fields::kNumberBuffer);
}

std::array<fields::SavedField, 1> CPNRModificationGIT::SavedFields() {
  return {{{&numberInGroup_, "NOINGRP"}}};
}

void CPNRModificationGIT::ClearFields() {
  numberInGroup_.Clear();
}
