#pragma once
// Deletes e-mail elements of the open PNR by their line numbers: one line, a range, or up to
// ten separate lines: "PE3\u00A4", "PE2-5\u00A4", "PE1,4\u00A4". The desktop may preset the
// line through the queue "ID_MODIFYPNR_DELEMAIL".

#include <array>
#include <string>

#include "fields/CField.h"
#include "fields/ControlFields.h"
#include "framework/StandardMask.h"
#include "resources/dialogs/DeleteEmailDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRDeleteEmail : public framework::StandardMask<CPNRDeleteEmail, IPNRDeleteEmail> {
 public:
  static constexpr framework::MaskTraits kTraits{"PNRDeleteEmail",
                                                 resources::pnr_delete_email::kDialog,
                                                 resources::pnr_delete_email::kButtons,
                                                 "PNR.PNRDELETEEMAIL",
                                                 framework::kModificationCaption,
                                                 framework::SendStyle::Logged};

  CPNRDeleteEmail();
  bool ProcessFieldMessages(const platform::Message& message, platform::LRESULT& result);
  void AfterInitDialog();
  bool ValidateFields();
  std::string BuildCommand() const;
  void ApplyRules();

 private:
  enum class Mode { None, Specific, Range, Multiple };

  Mode SelectedMode() const;
  void ApplyMode();
  void SelectMode(int radioId);
  // A line number that is not blank: not all zeros, and numeric.
  static int CheckLineNumber(fields::CField& line);
  static int CheckRequiredLine(fields::CField& line);

  fields::CField specificMode_;
  fields::CField rangeMode_;
  fields::CField multipleMode_;
  fields::CField rangeTo_;
  fields::CFieldCheck specificButton_;
  fields::CFieldCheck rangeButton_;
  fields::CFieldCheck multipleButton_;
  fields::CField specificLine_;
  fields::CField rangeFirst_;
  fields::CField rangeLast_;
  std::array<fields::CField, 10> multipleLines_;
};
