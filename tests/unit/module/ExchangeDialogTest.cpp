// A hosted dialog of the creation masks keeps what its control asks for until the mask sends
// it, once, and reads a back-office answer in the kind of record its message asked for.

#include "masks/fit/ExchangeDialog.h"

#include <gtest/gtest.h>

#include "desk/controls/AddPaxControl.h"
#include "desk/controls/DialogRequestControl.h"
#include "platform/window/Window.h"

namespace {

using namespace fit;
using platform::Window;

// The control the dialog made last.
desk::OutsideControl& newestControl() {
  return *desk::OutsideControl::live().back();
}

class ExchangeDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desk::registerAddPaxControl();
    desk::registerDialogRequestControls();
  }
  Window mask_{platform::WindowClass::Dialog, 0, "mask", platform::WS_VISIBLE, {0, 0, 80, 60}};
  ExchangeDialogs dialogs_;
};

TEST_F(ExchangeDialogTest, RequestsAreTakenOnceAndBlankOnesNotAtAll) {
  ExchangeDialog& addPassenger = dialogs_.AddPassenger();
  EXPECT_FALSE(addPassenger.IsPrepared());
  addPassenger.Prepare(mask_);
  addPassenger.Prepare(mask_);  // made once, then kept
  auto& control = static_cast<desk::AddPaxControl&>(newestControl());

  control.fireEvent(3, {"%%JX PAX"});
  EXPECT_EQ(addPassenger.TakeCommand(), "%%JX PAX");
  EXPECT_EQ(addPassenger.TakeCommand(), std::nullopt);
  control.fireEvent(3, {"   "});
  control.fireEvent(3, {});
  EXPECT_EQ(addPassenger.TakeCommand(), std::nullopt);

  control.fireEvent(4, {"ADDPAX", "", "1"});
  EXPECT_FALSE(addPassenger.TakeSendTo());
  control.fireEvent(4, {"ADDPAX", "CP", "1"});
  const std::optional<SendToTexts> texts = addPassenger.TakeSendTo();
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->source, "ADDPAX");
  EXPECT_EQ(texts->destination, "CP");
  EXPECT_EQ(texts->text, "1");
  EXPECT_FALSE(addPassenger.TakeSendTo());

  addPassenger.TakeReply("<PAX/>");
  EXPECT_EQ(control.received().replies, std::vector<std::string>{"<PAX/>"});
}

TEST_F(ExchangeDialogTest, TheAnswerIsReadInTheKindTheMessageAskedFor) {
  ExchangeDialog& addPassenger = dialogs_.AddPassenger();
  addPassenger.Prepare(mask_);
  auto& control = static_cast<desk::AddPaxControl&>(newestControl());

  control.fireEvent(4, {"ADDPAX", "CP", "2"});
  addPassenger.TakeProfileAnswer("2TAN\\MEI\\MS\\S1\\C1\\007");
  ASSERT_TRUE(addPassenger.Record());
  EXPECT_EQ(addPassenger.Record()->kind, LookupKind::GivenName);
  EXPECT_EQ(addPassenger.Record()->dependant.surname, "TAN");

  control.fireEvent(4, {"ADDPAX", "CP", "3"});
  addPassenger.TakeProfileAnswer("3CORP88");
  EXPECT_EQ(addPassenger.Record()->kind, LookupKind::Corporate);
  EXPECT_EQ(addPassenger.Record()->corporate, "CORP88");

  // A text of 1024 characters or more is handed to the control but read into no record.
  addPassenger.TakeProfileAnswer("3" + std::string(1023, 'X'));
  EXPECT_EQ(addPassenger.Record()->corporate, "CORP88");
  EXPECT_EQ(control.received().replies.size(), 3u);
}

TEST_F(ExchangeDialogTest, TheProfileDialogsAskOnlyTheHost) {
  ExchangeDialog& policy = *dialogs_.Find(HostedDialog::TravelPolicy);
  policy.Prepare(mask_);
  auto& control = static_cast<desk::DialogRequestControl&>(newestControl());
  EXPECT_EQ(control.className(), "Policy");
  control.fireEvent(4, {"POLICY", "CP", "1"});
  EXPECT_FALSE(policy.TakeSendTo());
  control.fireEvent(3, {"%%JX CTP"});
  EXPECT_EQ(policy.TakeCommand(), "%%JX CTP");
  policy.TakeReply("<CTP/>");
  EXPECT_EQ(control.replies(), std::vector<std::string>{"<CTP/>"});

  // The group mask has only the Add Passenger dialog.
  ExchangeDialogs group(false);
  EXPECT_EQ(group.Find(HostedDialog::TravelPolicy), nullptr);
  EXPECT_EQ(group.Find(HostedDialog::TravellerProfile), nullptr);
  EXPECT_NE(group.Find(HostedDialog::AddPassenger), nullptr);
}

}  // namespace
