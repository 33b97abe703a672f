// `quillet typelib`: the type library in the interface definition language, one block for
// each interface, event interface and class, in the order of the library. The text is a
// complete IDL file: it imports the automation and control definitions it builds on
// (IDispatch and the rest), so that an IDL compiler makes the type library from it as it is.

#include <cstdio>
#include <ostream>

#include "desk/app/RegistrationCommands.h"
#include "typelib/TypeLibrary.h"

namespace desk {
namespace {

// "F3307A94-A530-49A2-AE0C-BE3A9245B636": the identifier without its braces.
std::string uuid(const GUID& id) {
  const std::string text = guidToString(id);
  return text.substr(1, text.size() - 2);
}

std::string dispatchId(DISPID id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(id));
  return text;
}

std::string parameterList(std::span<const std::string_view> names) {
  std::string list;
  for (const std::string_view name : names) {
    if (!list.empty()) list += ", ";
    list += "[in] BSTR";
    if (!name.empty()) list += " " + std::string(name);
  }
  return list;
}

void printMember(std::ostream& out, std::string_view indent, DISPID id, std::string_view kind,
                 const std::string& help, std::string_view name, const std::string& parameters) {
  out << indent << "[id(" << dispatchId(id) << ")" << kind << ", helpstring(\"" << help << "\")]\n"
      << indent << "HRESULT " << name << "(" << parameters << ");\n";
}

void printInterface(std::ostream& out, const typelib::ClassDescription& described) {
  out << "    [\n      odl,\n      uuid(" << uuid(described.iid) << "),\n      helpstring(\""
      << typelib::interfaceHelp(described) << "\"),\n      dual,\n      oleautomation\n    ]\n"
      << "    interface " << typelib::interfaceName(described) << " : IDispatch {\n";
  for (const typelib::InterfaceMember& member : described.members) {
    const std::string help = typelib::memberHelp(member);
    if (typelib::isProperty(member)) {
      printMember(out, "        ", member.id, ", propget", help, member.name,
                  "[out, retval] BSTR* " + std::string(typelib::kPropertyGetParameter));
      printMember(out, "        ", member.id, ", propput", help, member.name,
                  parameterList(member.parameters));
    } else {
      printMember(out, "        ", member.id, "", help, member.name,
                  parameterList(member.parameters));
    }
  }
  out << "    };\n\n";
}

void printEventInterface(std::ostream& out, const typelib::ClassDescription& described) {
  out << "    [\n      uuid(" << uuid(described.eventIid) << "),\n      helpstring(\""
      << typelib::eventInterfaceHelp(described) << "\")\n    ]\n"
      << "    dispinterface " << typelib::eventInterfaceName(described) << " {\n"
      << "        properties:\n        methods:\n";
  for (const typelib::EventMember& event : described.events) {
    printMember(out, "            ", event.id, "", typelib::eventHelp(event), event.name,
                parameterList(event.parameters));
  }
  out << "    };\n\n";
}

void printClass(std::ostream& out, const typelib::ClassDescription& described) {
  out << "    [\n      uuid(" << uuid(described.clsid) << "),\n      helpstring(\""
      << typelib::classHelp(described) << "\")\n    ]\n"
      << "    coclass " << described.name << " {\n"
      << "        [default] interface " << typelib::interfaceName(described) << ";\n"
      << "        [default, source] dispinterface " << typelib::eventInterfaceName(described)
      << ";\n    };\n";
}

}  // namespace

void printTypeLibrary(std::ostream& out) {
  char locale[16];
  std::snprintf(locale, sizeof locale, "0x%04x", static_cast<unsigned>(typelib::kLibraryLocale));
  out << "// " << typelib::kLibraryName << ": " << typelib::kLibraryHelp << "\n\n"
      << "import \"oaidl.idl\";\nimport \"ocidl.idl\";\n\n"
      << "[\n  uuid(" << uuid(typelib::kLibraryId) << "),\n  version("
      << typelib::kLibraryMajorVersion << "." << typelib::kLibraryMinorVersion << "),\n  lcid("
      << locale << "),\n  helpstring(\"" << typelib::kLibraryHelp << "\")\n]\n"
      << "library " << typelib::kLibraryName << "\n{\n    importlib(\"stdole2.tlb\");\n";
  for (const typelib::ClassDescription& described : typelib::classes()) {
    out << "\n";
    printInterface(out, described);
    printEventInterface(out, described);
    printClass(out, described);
  }
  out << "};\n";
}

}  // namespace desk
