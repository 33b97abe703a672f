// A mask as its container drives it: names and dispatch ids, the Lang property through
// Invoke, and events fired to the connected sinks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/EventConnectionPoint.h"
#include "module/ClassFactory.h"
#include "module/ObjectMap.h"
#include "platform/com/ComPtr.h"
#include "platform/window/AgentInput.h"
#include "tests/unit/module/ModuleTestSupport.h"
#include "tests/unit/module/RecordingSink.h"

namespace module::test {
namespace {

// A fax creation mask made through its class factory, on a desk home whose language is the
// key language.
class MaskAutomationTest : public testing::Test {
 protected:
  void SetUp() override {
    WHITEBOARD_putString("User", "LANG", "KEY", kWhiteboardName);
    platform::desktop().setContainer(&container_);
    const ObjectMapEntry* entry = findObjectMapEntry(typelib::findClass("PNRCreationFax")->clsid);
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(classFactoryOf(*entry).CreateInstance(nullptr, IID_IDispatch, mask_.outVoid()), S_OK);
  }
  void TearDown() override { platform::desktop().setContainer(nullptr); }

  platform::Window& activate() {
    auto activation = mask_.query<IInPlaceActivation>(IID_IInPlaceActivation);
    EXPECT_EQ(activation->InPlaceActivate(nullptr), S_OK);
    platform::Window* dialog = nullptr;
    EXPECT_EQ(activation->GetWindow(&dialog), S_OK);
    return *dialog;
  }
  ComPtr<IConnectionPoint> eventPoint() {
    auto container = mask_.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(
        container->FindConnectionPoint(typelib::findClass("PNRCreationFax")->eventIid, point.out()),
        S_OK);
    return point;
  }

  HRESULT invoke(DISPID member, WORD flags, std::vector<VARIANT> arguments,
                 VARIANT* result = nullptr) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{arguments.empty() ? nullptr : arguments.data(),
                      (flags & DISPATCH_PROPERTYPUT) != 0 ? &named : nullptr,
                      static_cast<UINT>(arguments.size()),
                      (flags & DISPATCH_PROPERTYPUT) != 0 ? 1u : 0u};
    const HRESULT outcome = mask_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                          result, nullptr, nullptr);
    for (VARIANT& argument : arguments) VariantClear(&argument);
    return outcome;
  }
  static VARIANT text(std::string_view value) {
    VARIANT variant;
    variant.vt = VT_BSTR;
    variant.bstrVal = bstrFromLatin1(value);
    return variant;
  }
  static VARIANT number(LONG value) {
    VARIANT variant;
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
  }
  std::string lang(WORD flags = DISPATCH_PROPERTYGET) {
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(invoke(1, flags, {}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_BSTR);
    const std::string value = result.vt == VT_BSTR ? latin1FromBstr(result.bstrVal) : "";
    VariantClear(&result);
    return value;
  }

  // Destroyed in reverse order: the mask first, then the sinks it held, then the home.
  TempDeskHome home_;
  RecordingContainer container_;
  std::vector<SinkCall> log_;
  RecordingSink failing_{"failing", log_, E_FAIL};
  RecordingSink second_{"second", log_};
  RecordingSink third_{"third", log_};
  ComPtr<IDispatch> mask_;
};

TEST_F(MaskAutomationTest, NamesAreFoundInAnyLetterCase) {
  for (std::u16string name : {u"Lang", u"LANG", u"lang"}) {
    LPOLESTR names[] = {name.data()};
    DISPID id = 0;
    EXPECT_EQ(mask_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, 1);
  }
  // Events and unknown names are no members of the automation interface.
  for (std::u16string name : {u"Send", u"SetResponse", u"Langs", u""}) {
    LPOLESTR names[] = {name.data()};
    DISPID id = 0;
    EXPECT_EQ(mask_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id),
              DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, -1);
  }
}

TEST_F(MaskAutomationTest, LangIsEN1UntilTheWindowReadsTheWhiteboardOrAContainerSetsIt) {
  EXPECT_EQ(lang(), "EN1");
  EXPECT_EQ(lang(DISPATCH_METHOD | DISPATCH_PROPERTYGET), "EN1");  // as script hosts ask
  activate();
  EXPECT_EQ(lang(), "KEY");
  EXPECT_EQ(invoke(1, DISPATCH_PROPERTYPUT, {text("EN")}), S_OK);
  EXPECT_EQ(lang(), "EN");
}

TEST_F(MaskAutomationTest, InvokeRefusesWrongArgumentsAndLeavesLangAlone) {
  struct Case {
    const char* what;
    DISPID member;
    WORD flags;
    std::vector<VARIANT> (*arguments)();
    HRESULT expected;
  };
  const Case cases[] = {
      {"put without a value", 1, DISPATCH_PROPERTYPUT, [] { return std::vector<VARIANT>{}; },
       DISP_E_BADPARAMCOUNT},
      {"put with two values", 1, DISPATCH_PROPERTYPUT,
       [] {
         return std::vector<VARIANT>{text("A"), text("B")};
       },
       DISP_E_BADPARAMCOUNT},
      {"get with a value", 1, DISPATCH_PROPERTYGET, [] { return std::vector<VARIANT>{text("A")}; },
       DISP_E_BADPARAMCOUNT},
      {"put a number", 1, DISPATCH_PROPERTYPUT, [] { return std::vector<VARIANT>{number(7)}; },
       DISP_E_TYPEMISMATCH},
      {"a member the mask lacks", 2, DISPATCH_METHOD,
       [] { return std::vector<VARIANT>{text("GETPNRINFO")}; }, DISP_E_MEMBERNOTFOUND},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(invoke(c.member, c.flags, c.arguments(), &result), c.expected);
    EXPECT_EQ(result.vt, VT_EMPTY);
    EXPECT_EQ(lang(), "EN1");
  }
}

TEST_F(MaskAutomationTest, EventsReachEverySinkInConnectionOrderDespiteAFailingOne) {
  ComPtr<IConnectionPoint> point = eventPoint();
  DWORD cookies[3] = {};
  ASSERT_EQ(point->Advise(&failing_, &cookies[0]), S_OK);
  ASSERT_EQ(point->Advise(&second_, &cookies[1]), S_OK);
  ASSERT_EQ(point->Advise(&third_, &cookies[2]), S_OK);
  platform::Window& dialog = activate();

  platform::click(*dialog.child(227));  // Cancel
  dialog.child(304)->setText("5551234");
  platform::click(*dialog.child(223));  // Send

  ASSERT_EQ(log_.size(), 6u);
  const char* order[] = {"failing", "second", "third"};
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const SinkCall& call = log_[i];
    EXPECT_EQ(call.sink, order[i % 3]);
    EXPECT_TRUE(call.nullIid);
    EXPECT_EQ(call.locale, 0x0400u);
    EXPECT_EQ(call.flags, DISPATCH_METHOD);
    if (i < 3) {
      EXPECT_EQ(call.event, 1);  // Cancel
      EXPECT_TRUE(call.arguments.empty());
    } else {
      EXPECT_EQ(call.event, 2);  // Send
      EXPECT_EQ(call.arguments, (std::vector<std::string>{"9 5551234-F"}));
    }
  }
}

TEST_F(MaskAutomationTest, UnadviseStopsDeliveryToThatSinkOnly) {
  ComPtr<IConnectionPoint> point = eventPoint();
  DWORD cookies[3] = {};
  point->Advise(&failing_, &cookies[0]);
  point->Advise(&second_, &cookies[1]);
  point->Advise(&third_, &cookies[2]);
  EXPECT_NE(cookies[0], cookies[1]);
  EXPECT_NE(cookies[1], cookies[2]);
  platform::Window& dialog = activate();

  EXPECT_EQ(point->Unadvise(cookies[1]), S_OK);
  EXPECT_EQ(point->Unadvise(cookies[1]), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(second_.references(), 0u) << "the unadvised sink was not let go";
  platform::click(*dialog.child(227));

  ASSERT_EQ(log_.size(), 2u);
  EXPECT_EQ(log_[0].sink, "failing");
  EXPECT_EQ(log_[1].sink, "third");
}

TEST_F(MaskAutomationTest, OnlyTheMasksOwnEventInterfaceCanBeConnected) {
  auto container = mask_.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(typelib::findClass("PNRModificationFax")->eventIid,
                                           point.out()),
            CONNECT_E_NOCONNECTION);
  EXPECT_FALSE(point);
}

TEST_F(MaskAutomationTest, EventArgumentsArePassedLastFirst) {
  auto container = mask_.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
  framework::EventConnectionPoint point(*container.get(), IID_IDispatch);
  DWORD cookie = 0;
  ASSERT_EQ(point.Advise(&second_, &cookie), S_OK);
  point.fire(3, {"SRC", "DEST", "TEXT \xA4"});
  ASSERT_EQ(log_.size(), 1u);
  EXPECT_EQ(log_[0].event, 3);
  EXPECT_EQ(log_[0].arguments, (std::vector<std::string>{"TEXT \xA4", "DEST", "SRC"}));
  point.disconnectAll();
}

}  // namespace
}  // namespace module::test
