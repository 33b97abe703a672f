#pragma once
// Registry scripts: the text in which a component module describes its registration.
//
//   HKCR
//   {
//     Quillet.PNRCreationFax = s 'PNRCreationFax Class'
//     {
//       CurVer = s 'Quillet.PNRCreationFax.1'
//     }
//     NoRemove CLSID
//     {
//       ForceRemove {72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0C} = s 'PNRCreationFax Class'
//       {
//         InprocServer32 = s '%MODULE%'
//         {
//           val ThreadingModel = s 'Apartment'
//         }
//       }
//     }
//   }
//
// Words are separated by blanks; a word in single quotes may hold blanks ('' is one quote). A
// key is a name, optionally "= s 'text'" (a string) or "= d 'number'" (a dword) for its default
// value, and optionally its named values ("val NAME = ...") and subkeys in braces. Registering
// makes every key and value; a "ForceRemove" key is first removed with everything below it, a
// "Delete" key only removed. Unregistering removes a "ForceRemove" key with everything below
// it, the named values of the script, and every other key that is left without subkeys, except
// the root keys and "NoRemove" keys. "%NAME%" stands for the replacement given for NAME
// (letter case aside) and "%%" for a percent sign; replacements are taken into the words after
// the script is read, so that a replacement text is always data, whatever it holds.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "desk/services/RegistryTree.h"
#include "framework/services/RegisterManager.h"
#include "platform/text/TextRules.h"

namespace desk {

using RegistryReplacements = std::map<std::string, std::string, LessIgnoringCase>;

// A script that cannot be run; what() names the line.
class RegistryScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs the whole script against registry, or throws RegistryScriptError before changing
// anything.
void runRegistryScript(RegistryTree& registry, std::string_view script,
                       const RegistryReplacements& replacements, bool registering);

// The registrar a module's registration operations run their scripts with.
class ScriptRegistrar final : public CRegistrar {
 public:
  explicit ScriptRegistrar(RegistryTree& registry) : registry_(registry) {}

  HRESULT AddReplacement(std::string_view name, std::string_view value) override;
  HRESULT ResourceRegister(std::string_view script) override;
  HRESULT ResourceUnregister(std::string_view script) override;

  // Why the last script failed; empty when it ran.
  const std::string& failure() const { return failure_; }

 private:
  HRESULT run(std::string_view script, bool registering);

  RegistryTree& registry_;
  RegistryReplacements replacements_;
  std::string failure_;
};

}  // namespace desk
