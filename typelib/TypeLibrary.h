#pragma once
// The module's type library, QUILLETLib 1.0: for each class its identifiers, its automation
// interface and its event interface with their members and dispatch ids. The module answers
// IDispatch from it; containers read it as they would read the registered type library.

#include <span>
#include <string>
#include <string_view>

#include "platform/com/ComTypes.h"

namespace typelib {

enum class Member { Lang, SetResponse, ReceivedFrom, InitFields, InitField, InitParam };
enum class Event { Cancel, Send, SendTo, Ready, SendCommand, OnEvent };

struct InterfaceMember {
  Member member;
  std::string_view name;
  DISPID id;
  std::span<const std::string_view> parameters;
};

struct EventMember {
  Event event;
  std::string_view name;
  DISPID id;
  std::span<const std::string_view> parameters;
};

// Registration facts of a class.
enum class ThreadingModel { Apartment, NoneWritten };

struct ClassDescription {
  std::string_view name;          // the coclass: "PNRCreationFax"
  std::string_view progIdPrefix;  // "Quillet" or "Vespin2"
  CLSID clsid;
  IID iid;       // the automation interface, "I" + name
  IID eventIid;  // the event interface, "_I" + name + "Events"
  std::span<const InterfaceMember> members;
  std::span<const EventMember> events;
  int registryScriptId;
  int toolboxBitmapId;
  ThreadingModel threadingModel;
};

inline constexpr std::string_view kLibraryName = "QUILLETLib";
inline constexpr std::string_view kLibraryHelp = "Quillet 1.0 Type Library";
inline constexpr LCID kLibraryLocale = 0x0409;
inline constexpr WORD kLibraryMajorVersion = 1;
inline constexpr WORD kLibraryMinorVersion = 0;
extern const GUID kLibraryId;
// The type library of the sibling set that the "Vespin2." classes name in their registration.
extern const GUID kSiblingLibraryId;

// Every class, in the order of the module's object map.
std::span<const ClassDescription> classes();

// By class name, version-independent ProgID or versioned ProgID; null when unknown.
const ClassDescription* findClass(std::string_view name);
const ClassDescription* findClass(const CLSID& clsid);

std::string progId(const ClassDescription& description);              // "Quillet.PNRCreationFax"
std::string versionedProgId(const ClassDescription& description);     // "Quillet.PNRCreationFax.1"
std::string interfaceName(const ClassDescription& description);       // "IPNRCreationFax"
std::string eventInterfaceName(const ClassDescription& description);  // "_IPNRCreationFaxEvents"

// Help strings: "PNRCreationFax Class", "IPNRCreationFax Interface",
// "_IPNRCreationFaxEvents Interface", "property Lang", "method SetResponse", "method Send".
std::string classHelp(const ClassDescription& description);
std::string interfaceHelp(const ClassDescription& description);
std::string eventInterfaceHelp(const ClassDescription& description);
std::string memberHelp(const InterfaceMember& member);
std::string eventHelp(const EventMember& event);

// Lang is a property (get and put); every other member, and every event, is a method.
bool isProperty(const InterfaceMember& member);
// The parameter of the property get (out, retval); the put's parameter has no name.
inline constexpr std::string_view kPropertyGetParameter = "pVal";

const InterfaceMember* findMember(const ClassDescription& description, std::string_view name);
const InterfaceMember* findMember(const ClassDescription& description, DISPID id);
const EventMember* findEvent(const ClassDescription& description, Event event);
const EventMember* findEvent(const ClassDescription& description, DISPID id);

}  // namespace typelib
