#pragma once
// The open PNR's passengers and e-mail elements as the e-mail masks offer them: one label a
// passenger ("1.1 - DOE/JOHN"), and every e-mail the PNR holds, its own e-mail elements first,
// then each passenger's own address.

#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Messages.h"
#include "platform/window/Window.h"

namespace masks {

struct ExistingEmail {
  std::string address;
  std::string nameNumber;
  std::string name;
  std::string remark;
};

struct OpenPnrContacts {
  std::vector<std::string> passengerLabels;
  std::vector<ExistingEmail> emails;
};

// The desktop's request to a mask to have the open PNR read (answered with the event
// "Run" "GetPNR").
inline constexpr UINT kGetPnrMessage = 0x0605;

// The wait of a mask that needs the open PNR's passengers: on the dialog's first show it is
// disabled and the desktop is asked for them; the next reply ends the wait.
class OpenPnrWait {
 public:
  // Starts the wait on the first WM_SHOWWINDOW; true when the message is kGetPnrMessage.
  bool onWindowMessage(UINT code, platform::Window* dialog);
  // Starts the wait the first time it is called.
  void onShow(platform::Window* dialog);
  // Ends the wait with the reply: true, and the dialog enabled again, only when the reply is
  // the desktop's notice that the PNR is read; any other reply (or none waited for) leaves the
  // dialog disabled.
  bool onResponse(std::string_view reply, platform::Window* dialog);

 private:
  bool firstShow_ = true;
  bool waiting_ = false;
};

// Reads the PNR as the desktop holds it now.
OpenPnrContacts readOpenPnrContacts(platform::Window* parent);

// The name number a passenger label begins with: its text before the first blank.
std::string_view labelNameNumber(std::string_view label);

// An empty first entry (item data 0), then one entry a label (item data 1, 2, ...); the first
// entry selected.
void fillPassengerList(platform::Window& list, const std::vector<std::string>& labels);

// The entry (1, 2, ...) of the label that begins with that name number, compared exactly; 0
// when none does.
int passengerEntryOf(const std::vector<std::string>& labels, std::string_view nameNumber);

}  // namespace masks
