// The type library description: the classes in the order of the object map, their
// registration facts, and the dispatch ids and parameter names of their members and events.

#include "typelib/TypeLibrary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "module/ObjectMap.h"
#include "platform/com/ComPtr.h"
#include "tests/unit/module/ModuleTestSupport.h"

namespace module::test {
namespace {

using typelib::ThreadingModel;

// "Name=id(parameter,parameter)" for each member, joined by blanks.
template <class Members>
std::string signatures(const Members& members) {
  std::string text;
  for (const auto& member : members) {
    if (!text.empty()) text += ' ';
    text += std::string(member.name) + "=" + std::to_string(member.id) + "(";
    for (std::size_t i = 0; i < member.parameters.size(); ++i) {
      if (i > 0) text += ',';
      text += member.parameters[i];
    }
    text += ")";
  }
  return text;
}

struct ClassRow {
  const char* name;
  const char* prefix;
  int script;
  int bitmap;
  ThreadingModel threading;
  const char* members;
  const char* events;
};

constexpr ThreadingModel A = ThreadingModel::Apartment;
constexpr ThreadingModel N = ThreadingModel::NoneWritten;

constexpr const char* kLang = "Lang=1()";
constexpr const char* kLangResponse = "Lang=1() SetResponse=2(bstrResponse)";
constexpr const char* kLineItem =
    "Lang=1() SetResponse=2(bstrResponse) initField=3(bstrFields) initParam=4(bstrParams)";
constexpr const char* kBasicEvents = "Cancel=1() Send=2(bstrHostCommand)";
constexpr const char* kRequestEvents =
    "Cancel=1() Send=2(bstrHostCommand) SendCommand=3(bstrHostCommand) OnEvent=4(action,param)";

// The object map, in order.
const ClassRow kClassRows[] = {
    {"PNRCreationFIT", "Quillet", 103, 101, A,
     "initFields=1(bstrFields) initParam=2(bstrParams) SetResponse=3(bstrResponse) Lang=4() "
     "receivedFrom=5(srcID,destID,str)",
     "Cancel=1() Send=2(bstrHostCommand) SendTo=3(srcID,destID,str) Ready=4() "
     "SendCommand=5(bstrHostCommand) OnEvent=6(bstrAction,bstrParam)"},
    {"PNRCreationGIT", "Quillet", 106, 104, A,
     "Lang=1() SetResponse=2(bstrResponse) receivedFrom=3(srcID,destID,str)",
     "Cancel=1() Send=2(bstrHostCommand) SendTo=3(srcID,destID,str) "
     "SendCommand=4(bstrHostCommand) OnEvent=5(bstrAction,bstrParam)"},
    {"PNRCreationEmail", "Quillet", 108, 110, A, kLang, kBasicEvents},
    {"PNRCreationRemarks", "Quillet", 114, 113, A, kLang, kBasicEvents},
    {"PNRCreationPersonal", "Quillet", 117, 116, A, kLang, kBasicEvents},
    {"PNRCreationFax", "Quillet", 120, 119, A, kLang, kBasicEvents},
    {"PNRCreationSSR", "Quillet", 123, 122, A, kLang, kBasicEvents},
    {"PNRRetrieval", "Quillet", 126, 125, A, kLang, kBasicEvents},
    {"PNRModificationGIT", "Quillet", 129, 128, A, kLang, kBasicEvents},
    {"PNRModificationPassenger", "Quillet", 132, 131, A, kLangResponse, kRequestEvents},
    {"PNRModificationFax", "Quillet", 135, 134, A, kLang, kBasicEvents},
    {"PNRModificationReceivedFrom", "Quillet", 138, 137, A, kLang, kBasicEvents},
    {"PNRModificationEmail", "Quillet", 141, 140, A, kLangResponse, kRequestEvents},
    {"PNRModificationRemarks", "Quillet", 144, 143, A, kLang, kBasicEvents},
    {"PNRModificationPersonal", "Quillet", 147, 146, A, kLang, kBasicEvents},
    {"PNRModificationPhone", "Quillet", 150, 149, A, kLang, kBasicEvents},
    {"PNRModificationIncrease", "Quillet", 153, 152, A, kLang, kBasicEvents},
    {"PNRModificationReduce", "Quillet", 156, 155, A, kLang, kBasicEvents},
    {"PNRModificationDivide", "Quillet", 159, 167, N, kLangResponse, kRequestEvents},
    {"PNRModificationAddress", "Quillet", 162, 161, A, kLang, kBasicEvents},
    {"PNRModificationTtl", "Quillet", 165, 164, A, kLang, kBasicEvents},
    {"PNRAddEmail", "Vespin2", 493, 107, N, kLineItem,
     "Cancel=1() Send=2(bstrHostCommand) SendCommand=3(bstrCommand) OnEvent=4(action,param)"},
    {"PNRDeleteEmail", "Vespin2", 171, 101, N, kLineItem, kBasicEvents},
    {"PNRAddPhoneFax", "Vespin2", 174, 104, N, kLineItem, kBasicEvents},
    {"PNRModifyGrpName", "Vespin2", 177, 110, N, kLineItem, kBasicEvents},
    {"CreateAddPax", "Quillet", 855, 854, N,
     "Lang=1() SetResponse=2(bstrResponse) receivedFrom=5(srcID,destID,str)",
     "Cancel=1() Send=2(bHostCommand) SendCommand=3(bstrSendCommand) "
     "OnEvent=4(bstrAction,bstrParam) SendTo=5(bstrSrcId,bstrDestId,bstr)"},
};

TEST(TypeLibraryTest, ClassesFollowTheObjectMapWithTheirRegistrationAndDispatchIds) {
  const auto classes = typelib::classes();
  ASSERT_EQ(classes.size(), std::size(kClassRows));
  std::set<std::string> identifiers;
  for (std::size_t i = 0; i < classes.size(); ++i) {
    const typelib::ClassDescription& c = classes[i];
    const ClassRow& row = kClassRows[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(c.name, row.name);
    EXPECT_EQ(typelib::progId(c), std::string(row.prefix) + "." + row.name);
    EXPECT_EQ(typelib::versionedProgId(c), std::string(row.prefix) + "." + row.name + ".1");
    EXPECT_EQ(c.registryScriptId, row.script);
    EXPECT_EQ(c.toolboxBitmapId, row.bitmap);
    EXPECT_EQ(c.threadingModel, row.threading);
    EXPECT_EQ(signatures(c.members), row.members);
    EXPECT_EQ(signatures(c.events), row.events);
    for (const GUID* id : {&c.clsid, &c.iid, &c.eventIid}) {
      EXPECT_TRUE(identifiers.insert(guidToString(*id)).second)
          << "identifier used twice: " << guidToString(*id);
    }
  }
}

TEST(TypeLibraryTest, LibraryTypeNamesAndHelpStrings) {
  EXPECT_EQ(typelib::kLibraryName, "QUILLETLib");
  EXPECT_EQ(typelib::kLibraryHelp, "Quillet 1.0 Type Library");
  EXPECT_EQ(typelib::kLibraryMajorVersion, 1);
  EXPECT_EQ(typelib::kLibraryMinorVersion, 0);
  EXPECT_EQ(typelib::kLibraryLocale, 0x0409u);
  EXPECT_NE(typelib::kLibraryId, typelib::kSiblingLibraryId);

  const typelib::ClassDescription& fax = *typelib::findClass("PNRCreationFax");
  EXPECT_EQ(typelib::interfaceName(fax), "IPNRCreationFax");
  EXPECT_EQ(typelib::eventInterfaceName(fax), "_IPNRCreationFaxEvents");
  EXPECT_EQ(typelib::classHelp(fax), "PNRCreationFax Class");
  EXPECT_EQ(typelib::interfaceHelp(fax), "IPNRCreationFax Interface");
  EXPECT_EQ(typelib::eventInterfaceHelp(fax), "_IPNRCreationFaxEvents Interface");
  const typelib::ClassDescription& addPax = *typelib::findClass("CreateAddPax");
  EXPECT_EQ(typelib::interfaceName(addPax), "ICreateAddPax");
  EXPECT_EQ(typelib::eventInterfaceName(addPax), "_ICreateAddPaxEvents");

  for (const typelib::ClassDescription& c : typelib::classes()) {
    SCOPED_TRACE(c.name);
    for (const GUID* id : {&c.clsid, &c.iid, &c.eventIid}) {
      EXPECT_NE(*id, typelib::kLibraryId);
      EXPECT_NE(*id, typelib::kSiblingLibraryId);
    }
    for (const typelib::InterfaceMember& member : c.members) {
      const bool lang = member.name == "Lang";
      EXPECT_EQ(typelib::isProperty(member), lang);
      EXPECT_EQ(typelib::memberHelp(member),
                (lang ? "property " : "method ") + std::string(member.name));
    }
    for (const typelib::EventMember& event : c.events) {
      EXPECT_EQ(typelib::eventHelp(event), "method " + std::string(event.name));
    }
  }
  EXPECT_EQ(typelib::kPropertyGetParameter, "pVal");
}

TEST(TypeLibraryTest, ClassesAreFoundByNameAndBothProgIds) {
  for (const char* name :
       {"PNRCreationFax", "Quillet.PNRCreationFax", "Quillet.PNRCreationFax.1"}) {
    const typelib::ClassDescription* found = typelib::findClass(name);
    ASSERT_NE(found, nullptr) << name;
    EXPECT_EQ(found->name, "PNRCreationFax");
  }
  EXPECT_EQ(typelib::findClass("Vespin2.PNRAddEmail.1")->name, "PNRAddEmail");
  EXPECT_EQ(typelib::findClass("Quillet.PNRAddEmail"), nullptr);
  EXPECT_EQ(typelib::findClass("PNRCreationFax.1"), nullptr);
}

TEST(TypeLibraryTest, MembersAreFoundByNameInAnyLetterCase) {
  const typelib::ClassDescription& fit = *typelib::findClass("PNRCreationFIT");
  for (const char* name : {"Lang", "LANG", "lang"}) {
    const typelib::InterfaceMember* member = typelib::findMember(fit, std::string_view(name));
    ASSERT_NE(member, nullptr) << name;
    EXPECT_EQ(member->id, 4);
  }
  EXPECT_EQ(typelib::findMember(fit, std::string_view("Langs")), nullptr);
}

// The object map serves every class of the type library, in its order.
TEST(ObjectMapTest, EntriesKeepTheOrderOfTheTypeLibrary) {
  const auto classes = typelib::classes();
  EXPECT_EQ(objectMap().size(), classes.size());
  std::size_t previous = 0;
  bool first = true;
  for (const ObjectMapEntry& entry : objectMap()) {
    SCOPED_TRACE(entry.description.name);
    const auto index = static_cast<std::size_t>(&entry.description - classes.data());
    ASSERT_LT(index, classes.size()) << "the entry's description is not the type library's";
    if (!first) {
      EXPECT_GT(index, previous);
    }
    previous = index;
    first = false;
    EXPECT_EQ(findObjectMapEntry(entry.description.clsid), &entry);
    EXPECT_NE(entry.createInstance, nullptr);
  }
  EXPECT_EQ(findObjectMapEntry(GUID{0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}}), nullptr);
}

// A served class answers GetIDsOfNames and Invoke from its row of the table: each member by
// its name with its parameters by position, and each call accepted.
TEST(ObjectMapTest, EveryServedClassAnswersItsMembersFromTheTypeLibrary) {
  TempDeskHome home;
  for (const ObjectMapEntry& entry : objectMap()) {
    SCOPED_TRACE(entry.description.name);
    ComPtr<IDispatch> mask;
    ASSERT_EQ(entry.createInstance(IID_IDispatch, mask.outVoid()), S_OK);
    for (const typelib::InterfaceMember& member : entry.description.members) {
      SCOPED_TRACE(member.name);
      std::vector<std::u16string> names{std::u16string(member.name.begin(), member.name.end())};
      for (std::string_view parameter : member.parameters) {
        if (!parameter.empty()) names.emplace_back(parameter.begin(), parameter.end());
      }
      std::vector<LPOLESTR> pointers;
      for (std::u16string& name : names) pointers.push_back(name.data());
      std::vector<DISPID> ids(names.size(), -2);
      ASSERT_EQ(mask->GetIDsOfNames(IID_NULL, pointers.data(), static_cast<UINT>(pointers.size()),
                                    LOCALE_USER_DEFAULT, ids.data()),
                S_OK);
      EXPECT_EQ(ids[0], member.id);
      for (std::size_t position = 1; position < ids.size(); ++position) {
        EXPECT_EQ(ids[position], static_cast<DISPID>(position - 1));
      }

      std::vector<VARIANT> arguments(member.parameters.size());
      for (VARIANT& argument : arguments) {
        argument.vt = VT_BSTR;
        argument.bstrVal = bstrFromLatin1("EN1");
      }
      const bool property = typelib::isProperty(member);
      DISPID named = DISPID_PROPERTYPUT;
      DISPPARAMS params{arguments.data(), property ? &named : nullptr,
                        static_cast<UINT>(arguments.size()), property ? 1u : 0u};
      EXPECT_EQ(mask->Invoke(member.id, IID_NULL, LOCALE_USER_DEFAULT,
                             property ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD, &params, nullptr,
                             nullptr, nullptr),
                S_OK);
      for (VARIANT& argument : arguments) VariantClear(&argument);
    }
  }
}

}  // namespace
}  // namespace module::test
