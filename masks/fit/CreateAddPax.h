#pragma once
// Adds travellers to a PNR outside the individual creation mask. The mask hosts the desktop's
// add-passenger control on its own dialog: it starts the control with the customer source,
// passes the control's requests on to the container as its own events, and when the agent has
// finished turns the control's list into one command (names, passenger types and name
// references, "-SMITH/JOHNMR") and fires Send, or fires Cancel when the control reports a
// cancel or the list holds no real item. No fields, no buttons, no whiteboard state.

#include <string>
#include <vector>

#include "framework/MaskControl.h"
#include "masks/fit/HostedAddPax.h"
#include "resources/dialogs/AddPaxDialog.h"
#include "typelib/MaskInterfaces.h"

class CCreateAddPax : public framework::MaskControl<CCreateAddPax, ICreateAddPax> {
 public:
  static constexpr framework::MaskTraits kTraits{"CreateAddPax", resources::create_add_pax::kDialog,
                                                 framework::kMarkerStyleButtons, "",
                                                 framework::kCreationCaption};

  bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);

  // Lang is accepted and ignored.
  HRESULT get_Lang(BSTR* value) override;
  HRESULT put_Lang(BSTR value) override;
  // Both hand the text to the control as its reply.
  HRESULT SetResponse(BSTR response) override;
  HRESULT receivedFrom(BSTR source, BSTR destination, BSTR text) override;

 private:
  void OnInitDialog();
  void OnControlEvent(DISPID event, const std::vector<std::string>& arguments);
  void OnCompleted();

  fit::HostedAddPax control_;
};
