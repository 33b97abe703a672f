// The two send styles: a marker-style Send saves before it fires, a logged-style Send fires,
// logs the command and then saves without the marker; a logged-style Recall clears first, and
// a logged-style mask logs a change of language.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "desk/services/Whiteboard.h"
#include "fields/PhoneFields.h"
#include "framework/StandardMask.h"
#include "masks/simple/PNRCreationFax.h"
#include "platform/window/AgentInput.h"
#include "tests/unit/module/ModuleTestSupport.h"
#include "tests/unit/module/RecordingSink.h"
#include "typelib/MaskInterfaces.h"

namespace module::test {
namespace {

// The fax field on the fax creation dialog, in the logged style of the second set of masks.
class LoggedFaxMask : public framework::StandardMask<LoggedFaxMask, IPNRModifyGrpName> {
 public:
  static constexpr framework::MaskTraits kTraits{
      "PNRModifyGrpName", resources::pnr_creation_fax::kDialog, framework::kMarkerStyleButtons,
      "PNR.TEST.LOGGED",  framework::kModificationCaption,      framework::SendStyle::Logged};

  LoggedFaxMask() {
    fields().declare(faxNo_, "FAXNO", resources::pnr_creation_fax::kFaxLabel,
                     resources::pnr_creation_fax::kFaxNumber, 1, fields::kModification);
  }
  bool ValidateFields() { return faxNo_.Validate(); }
  std::string BuildCommand() const { return faxNo_.BuildFragment(); }

 private:
  fields::CFieldFaxNo faxNo_;
};

std::vector<std::pair<std::string, std::string>> section(std::string_view name) {
  return desk::whiteboardSection(name);
}

class SendStyleTest : public testing::Test {
 protected:
  void SetUp() override { platform::desktop().setContainer(&container_); }
  void TearDown() override { platform::desktop().setContainer(nullptr); }

  // Opens the mask with a sink that looks at the mask's section while each event is fired.
  template <class Mask>
  platform::Window& open(ComPtr<IDispatch>& mask, std::string_view sectionName) {
    framework::createMaskInstance<Mask>(IID_IDispatch, mask.outVoid());
    sink_.setProbe([this, sectionName] { sectionWhileFiring_ = section(sectionName); });
    auto container = mask.template query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    container->FindConnectionPoint(typelib::findClass(Mask::kTraits.name)->eventIid, point.out());
    DWORD cookie = 0;
    point->Advise(&sink_, &cookie);
    auto activation = mask.template query<IInPlaceActivation>(IID_IInPlaceActivation);
    activation->InPlaceActivate(nullptr);
    platform::Window* dialog = nullptr;
    activation->GetWindow(&dialog);
    return *dialog;
  }

  TempDeskHome home_;
  RecordingContainer container_;
  desk::test::RecordingObserver observer_;
  std::vector<SinkCall> events_;
  RecordingSink sink_{"sink", events_};
  std::vector<std::pair<std::string, std::string>> sectionWhileFiring_;
};

TEST_F(SendStyleTest, MarkerStyleSavesBeforeItFires) {
  ComPtr<IDispatch> mask;
  platform::Window& dialog = open<CPNRCreationFax>(mask, "PNR.CREATION.FAX");
  platform::typeText(*dialog.child(304), "5551234");
  platform::click(*dialog.child(223));

  ASSERT_EQ(events_.size(), 1u);
  EXPECT_EQ(events_[0].arguments, std::vector<std::string>{"9 5551234-F"});
  const std::vector<std::pair<std::string, std::string>> saved{{"SHARKDOLPHIN", "iu tham thiet"},
                                                               {"FAXNO", "5551234"}};
  EXPECT_EQ(sectionWhileFiring_, saved);
  EXPECT_TRUE(observer_.lines.empty());
}

TEST_F(SendStyleTest, LoggedStyleFiresLogsThenSavesWithoutMarker) {
  ComPtr<IDispatch> mask;
  platform::Window& dialog = open<LoggedFaxMask>(mask, "PNR.TEST.LOGGED");
  platform::typeText(*dialog.child(304), "5551234");
  platform::click(*dialog.child(223));

  ASSERT_EQ(events_.size(), 1u);
  EXPECT_TRUE(sectionWhileFiring_.empty());
  ASSERT_EQ(observer_.lines.size(), 1u);
  EXPECT_EQ(observer_.lines[0].module, "PNRModifyGrpName");
  EXPECT_EQ(observer_.lines[0].operation, "OnSend");
  EXPECT_EQ(observer_.lines[0].text, "Host Command 9 5551234-F");
  const std::vector<std::pair<std::string, std::string>> saved{{"FAXNO", "5551234"}};
  EXPECT_EQ(section("PNR.TEST.LOGGED"), saved);
}

TEST_F(SendStyleTest, AFaultStopsBothStylesBeforeAnythingIsFiredOrSaved) {
  ComPtr<IDispatch> marker;
  ComPtr<IDispatch> logged;
  for (platform::Window* dialog : {&open<CPNRCreationFax>(marker, "PNR.CREATION.FAX"),
                                   &open<LoggedFaxMask>(logged, "PNR.TEST.LOGGED")}) {
    platform::typeText(*dialog->child(304), "555.1234");
    platform::click(*dialog->child(223));
  }
  EXPECT_EQ(container_.boxes.size(), 2u);
  EXPECT_TRUE(events_.empty());
  EXPECT_TRUE(observer_.lines.empty());
  EXPECT_TRUE(section("PNR.CREATION.FAX").empty());
  EXPECT_TRUE(section("PNR.TEST.LOGGED").empty());
}

TEST_F(SendStyleTest, LoggedStyleRecallClearsFirstAndNeedsNoMarker) {
  ComPtr<IDispatch> mask;
  platform::Window& dialog = open<LoggedFaxMask>(mask, "PNR.TEST.LOGGED");
  platform::Window& fax = *dialog.child(304);
  platform::typeText(fax, "777");
  platform::click(*dialog.child(234));
  EXPECT_EQ(fax.text(), "") << "a Recall before any Send leaves the mask cleared";

  WHITEBOARD_putString("PNR.TEST.LOGGED", "FAXNO", "5559876", kWhiteboardName);
  platform::click(*dialog.child(234));
  EXPECT_EQ(fax.text(), "5559876");
}

TEST_F(SendStyleTest, OnlyTheLoggedStyleLogsAChangeOfLanguage) {
  ComPtr<IDispatch> marker;
  ComPtr<IDispatch> logged;
  open<CPNRCreationFax>(marker, "PNR.CREATION.FAX");
  open<LoggedFaxMask>(logged, "PNR.TEST.LOGGED");
  for (IDispatch* mask : {marker.get(), logged.get()}) {
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = bstrFromLatin1("EN");
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    EXPECT_EQ(mask->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                           nullptr, nullptr),
              S_OK);
    VariantClear(&value);
  }
  ASSERT_EQ(observer_.lines.size(), 1u);
  EXPECT_EQ(observer_.lines[0].module, "PNRModifyGrpName");
  EXPECT_EQ(observer_.lines[0].operation, "put_Lang");
  EXPECT_EQ(observer_.lines[0].text, "Lang EN");
}

}  // namespace
}  // namespace module::test
