#pragma once
// Shows the passengers of the open PNR, one a row with a check box, and turns the agent's
// choice into host commands at once: Divide splits the chosen passengers off into a PNR of
// their own ("D1*3", or "DC/1*2*4" in a group PNR), Reduce removes them and adjusts the party
// size (four commands), OSI/SSR asks for a display ("*P3"). No entry fields, no checks, no
// whiteboard state; the passengers are asked for on the first show and read when the
// container answers "GETPNRINFO".

#include <array>
#include <string>
#include <vector>

#include "fields/CField.h"
#include "fields/CFieldEdit.h"
#include "fields/CFieldLabel.h"
#include "framework/MaskControl.h"
#include "masks/lineitem/OpenPnrContacts.h"
#include "resources/dialogs/DivideDialog.h"
#include "typelib/MaskInterfaces.h"

class CPNRModificationDivide
    : public framework::MaskControl<CPNRModificationDivide, IPNRModificationDivide> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModificationDivide",
      resources::pnr_modification_divide::kDialog,
      {0, 0, 0, resources::pnr_modification_divide::kCancelButton,
       resources::pnr_modification_divide::kHelpButton},
      "",
      framework::kModificationCaption};

  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);
  HRESULT SetResponse(BSTR response) override;

 private:
  struct Passenger {
    std::string nameNumber;
    std::string name;  // surname + "/" + given name
    std::string infant;
  };
  struct Row {
    fields::CFieldLabel check;
    fields::CFieldEdit nameNumber;
    fields::CFieldEdit name;
    std::string infant;
  };

  void OnInitDialog();
  void ReadPassengers();
  void FillRows();
  void UpdateButtons();
  bool IsSelected(int row) const;
  std::string NameNumber(int row) const;
  // Selected rows, and of them those whose passenger has an infant.
  int CountSelected(int& selectedInfants) const;
  void OnDivide();
  void OnReduce();

  fields::CFieldLabel nameNumberColumn_;
  fields::CFieldLabel nameColumn_;
  std::array<Row, resources::pnr_modification_divide::kRowCount> rows_;
  std::vector<Passenger> passengers_;
  int groupFlag_ = 1;
  int passengerCount_ = 0;
  int infantCount_ = 0;
  masks::OpenPnrWait openPnr_;
};
