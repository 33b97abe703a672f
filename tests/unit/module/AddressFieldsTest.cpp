// The address, agency address, group name, carrier code and auto-create fields: their checks,
// the agency block's pre-fill from the agent's profile and its two lines, and the check box.

#include "fields/AddressFields.h"

#include <gtest/gtest.h>

#include <array>

#include "framework/MaskState.h"
#include "framework/services/TorvanArch.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

class AddressFieldsTest : public FieldTest {};

TEST_F(AddressFieldsTest, SingleFieldsCheckTheirText) {
  enum class Kind { Address, GroupName, Carrier };
  struct Case {
    Kind kind;
    int mandatory;
    int minimumLength;
    std::string text;
    std::string fault;
    bool allSelected = false;
  };
  const Case cases[] = {
      {Kind::Address, 1, 0, "", "ERR_PNR_ADDRESS_NONE"},
      {Kind::Address, 0, 0, "", ""},
      {Kind::Address, 1, 0, "1 MAIN ST", ""},
      {Kind::GroupName, 0, 2, "", "ERR_RETPNR_GRPNAME_MINVAL_FIELD1"},  // also when optional
      {Kind::GroupName, 1, 4, "ABC", "ERR_PNR_GRPNAME_SHORT"},
      {Kind::GroupName, 1, 2, "12 TOURS", "ERR_PNR_GRPNAME_INVALID", true},
      {Kind::GroupName, 1, 2, "SMITH GROUP", ""},
      {Kind::GroupName, 1, 1, "S", ""},
      {Kind::GroupName, 1, 2, "A/B SMITH", "ERR_PNR_GRPNAME_PREFIX"},
      {Kind::GroupName, 1, 2, "/ABC", "ERR_PNR_GRPNAME_PREFIX"},
      {Kind::GroupName, 1, 2, "smith", "ERR_PNR_GRPNAME_INVALID", true},
      {Kind::GroupName, 1, 2, "M\xDCLLER", "ERR_PNR_GRPNAME_INVALID", true},
      {Kind::Carrier, 0, 0, "", "ERR_PNR_CARRIERCODE_SHORT"},
      {Kind::Carrier, 1, 0, "S", "ERR_PNR_CARRIERCODE_SHORT"},
      {Kind::Carrier, 1, 0, "S7", ""},
      {Kind::Carrier, 1, 0, "S-", "ERR_PNR_CARRIERCODE_NONALPHANUMERIC"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " \"" << c.text << "\"");
    freshDialog();
    int accepted = 0;
    if (c.kind == Kind::Address) {
      fields::CFieldAddress field;
      field.Create(*dialog_, kLabel1, kEdit1, c.mandatory, fields::kCreation);
      field.SetText(c.text);
      accepted = field.Validate();
    } else if (c.kind == Kind::GroupName) {
      fields::CFieldGrpName field;
      field.Create(*dialog_, kLabel1, kEdit1, c.mandatory, c.minimumLength, fields::kCreation);
      field.SetText(c.text);
      accepted = field.Validate();
    } else {
      fields::CFieldCarrierCode field;
      field.Create(*dialog_, kLabel1, kEdit1, c.mandatory, fields::kCreation);
      field.SetText(c.text);
      accepted = field.Validate();
    }
    expectVerdict(accepted, c.fault, kEdit1, "PNR Creation Information");
    if (c.allSelected) expectSelected(kEdit1, 0, static_cast<int>(c.text.size()));
  }
}

enum AgencyId {
  kAgencyLabel = 100,
  kAgency,
  kTelLabel,
  kTel,
  kAgentLabel,
  kAgent,
  kAddressLabel,
  kLine1,
  kLine2,
  kLine3,
  kLine4,
  kLine5,
  kLine6
};
constexpr std::array kAgencyControls{
    labelAt(kAgencyLabel, 0), editAt(kAgency, 0), labelAt(kTelLabel, 1),     editAt(kTel, 1),
    labelAt(kAgentLabel, 2),  editAt(kAgent, 2),  labelAt(kAddressLabel, 3), editAt(kLine1, 3),
    editAt(kLine2, 4),        editAt(kLine3, 5),  editAt(kLine4, 6),         editAt(kLine5, 7),
    editAt(kLine6, 8)};

class AgencyAddressTest : public FieldTest {
 protected:
  void bind() {
    freshDialog(kAgencyControls);
    agency_ = std::make_unique<fields::CFieldAgencyAddress>();
    agency_->Create(*dialog_, kAgencyLabel, kAgency, kTelLabel, kTel, kAgentLabel, kAgent,
                    kAddressLabel, kLine1, kLine2, kLine3, kLine4, kLine5, kLine6,
                    fields::kCreation);
  }
  static void profile(std::string_view key, std::string_view value) {
    WHITEBOARD_putString("USER", key, value, kWhiteboardName);
  }
  std::unique_ptr<fields::CFieldAgencyAddress> agency_;
};

TEST_F(AgencyAddressTest, IsFilledFromTheAgentsProfile) {
  profile("Addr1", "ACME TRAVEL");
  profile("TelNum", "5551234");
  profile("Addr2", "1 MAIN ST");
  profile("Addr5", "FLOOR 2");
  profile("City", "SPRINGFIELD");
  profile("AddrCntryCode", "US");
  profile("Given", "JOE");
  profile("Surname", "BLOGGS");
  bind();
  EXPECT_EQ(control(kAgency).text(), "ACME TRAVEL");
  EXPECT_EQ(control(kTel).text(), "5551234");
  EXPECT_EQ(control(kLine1).text(), "1 MAIN ST");
  EXPECT_EQ(control(kLine2).text(), "");
  EXPECT_EQ(control(kLine4).text(), "FLOOR 2");
  EXPECT_EQ(control(kLine5).text(), "SPRINGFIELD ");  // the separating blank stays
  EXPECT_EQ(control(kLine6).text(), " US");
  EXPECT_EQ(control(kAgent).text(), "JOE BLOGGS");
}

TEST_F(AgencyAddressTest, AnEmptyProfileLeavesTheJoinedLinesAsTheyAre) {
  freshDialog(kAgencyControls);
  control(kLine5).setText("KEPT");
  control(kAgent).setText("KEPT");
  control(kAgency).setText("CLEARED");
  fields::CFieldAgencyAddress agency;
  agency.Create(*dialog_, kAgencyLabel, kAgency, kTelLabel, kTel, kAgentLabel, kAgent,
                kAddressLabel, kLine1, kLine2, kLine3, kLine4, kLine5, kLine6, 0);
  EXPECT_EQ(control(kLine5).text(), "KEPT");
  EXPECT_EQ(control(kAgent).text(), "KEPT");
  EXPECT_EQ(control(kAgency).text(), "");
}

TEST_F(AgencyAddressTest, ChecksAndLines) {
  struct Case {
    std::string agency, telephone, agent;
    std::array<std::string, 6> lines;
    std::string fault;
    int faultyEdit;
    std::string phoneLine, addressLine;
  };
  const Case cases[] = {
      {"ACME TRAVEL",
       "5551234",
       "JOE",
       {"1 MAIN ST", "SUITE 4", "", "", "", "NOT SENT"},
       "",
       0,
       "9 ACME TRAVEL 5551234 JOE-A",
       "W-ACME TRAVEL\\u00A51 MAIN ST\\u00A5SUITE 4"},
      {"", "5551234", "", {}, "", 0, "9 5551234-A", "W-"},
      {"1ST", "5551234", "", {}, "ERR_PNR_AGENCYNAME_1STCHAR", kAgency, "", ""},
      {"ACME", "", "", {}, "ERR_PNR_TELNO_NONE", kTel, "", ""},
      {"", "5551234", "", {"", "MAIN ST"}, "ERR_PNR_AGENCYNAME_NONE", kAgency, "", ""},
      {"ACME", "5551234", "", {"MAIN ST", "", "X"}, "ERR_PNR_AGENCYADDRESS_SHORT", kLine3, "", ""},
      {"ACME", "5551234", "", {"", "", "", "", "", "X"}, "", 0, "9 ACME 5551234-A", "W-ACME"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.agency + " / " + c.telephone + " -> " + c.fault);
    bind();
    agency_->Clear();
    control(kAgency).setText(c.agency);
    control(kTel).setText(c.telephone);
    control(kAgent).setText(c.agent);
    for (int index = 0; index < 6; ++index) {
      control(kLine1 + index).setText(c.lines[static_cast<std::size_t>(index)]);
    }
    expectVerdict(agency_->Validate(), c.fault, c.faultyEdit, "PNR Creation Information",
                  c.fault == "ERR_PNR_AGENCYNAME_1STCHAR" ? 0 : -1);
    if (c.fault.empty()) {
      std::string phoneLine = "old", addressLine = "old";
      agency_->BuildFragment(phoneLine, addressLine);
      EXPECT_EQ(phoneLine, c.phoneLine);
      EXPECT_EQ(addressLine, c.addressLine);
    }
  }
  bind();
  agency_->Clear();
  std::string phoneLine = "old", addressLine = "old";
  agency_->BuildFragment(phoneLine, addressLine);
  EXPECT_EQ(phoneLine, "");
  EXPECT_EQ(addressLine, "W-");
}

TEST_F(AgencyAddressTest, KeepsItsNineKeysAndTakesValuesFromTheMask) {
  bind();
  agency_->SetValues("JOE", "ACME", "5551234");
  agency_->SetAddress("", "L1", "L2", "L3", "L4", "L5");
  agency_->SetValues("", "", "");  // empty values leave the fields
  EXPECT_EQ(control(kAgency).text(), "ACME");
  EXPECT_EQ(control(kLine5).text(), "L5");
  control(kLine6).setText("L6");
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.AGENCY");
  agency_->Save(profile);
  const std::pair<const char*, const char*> expected[] = {
      {"AGENCYNAME", "ACME"}, {"AGENTNAME", "JOE"}, {"AGENCYTEL", "5551234"},
      {"ADDRESS1", "L1"},     {"ADDRESS5", "L5"},   {"ADDRESS6", "L6"}};
  for (const auto& [key, value] : expected) {
    profile.setKeyName(key);
    std::string stored;
    profile.getValue(stored, "<none>", 1024);
    EXPECT_EQ(stored, value) << key;
  }
  agency_->Clear();
  EXPECT_EQ(control(kLine6).text(), "");
  agency_->Load(profile);
  EXPECT_EQ(control(kAgent).text(), "JOE");
  EXPECT_EQ(control(kLine6).text(), "L6");
}

TEST_F(AddressFieldsTest, AutoCreateCheckBox) {
  constexpr std::array controls{checkBoxAt(kEdit1, 0)};
  freshDialog(controls);
  fields::CFieldAutoCreate autoCreate;
  autoCreate.Create(*dialog_, kEdit1, 0);
  EXPECT_EQ(control(kEdit1).text(), "LAB_PNR_AUTOCREATE");
  EXPECT_EQ(paintOf(control(kEdit1)).text, platform::RGB(0, 0, 1));
  EXPECT_EQ(autoCreate.Validate(), 1);
  EXPECT_EQ(autoCreate.BuildFragment(), "");
  CTorvanProfile profile;
  framework::openWhiteboardSection(profile, "TEST.AUTO");
  autoCreate.Save(profile, "AUTO");
  autoCreate.SetCheck(1);
  EXPECT_EQ(autoCreate.BuildFragment(), "5.AUTOSF/YES");
  autoCreate.Load(profile, "AUTO");
  EXPECT_EQ(autoCreate.BuildFragment(), "");
  autoCreate.SetCheck(1);
  autoCreate.Save(profile, "AUTO");
  autoCreate.SetCheck(0);
  autoCreate.Load(profile, "AUTO");
  EXPECT_EQ(control(kEdit1).checkState(), 1);
  // Only the text "1" checks the box.
  profile.setKeyName("AUTO");
  profile.setValue("11");
  autoCreate.Load(profile, "AUTO");
  EXPECT_EQ(control(kEdit1).checkState(), 0);
  autoCreate.Enable(0);
  EXPECT_FALSE(control(kEdit1).isEnabled());
}

}  // namespace
}  // namespace module::test
