#pragma once
// The help of a mask: the main settings file holds, in a section named after the mask's class,
// the address of its help page for each language.

#include <string>
#include <string_view>

namespace framework {

// The class name without the template decoration a compiler may give it
// ("class TorvanMaskT<class CPNRCreationFax>" reads "CPNRCreationFax").
std::string helpSectionName(std::string_view className);
// "HELP_" + language + "_URL" in upper case; the default language "EN1" reads "EN".
std::string helpKey(std::string_view languageCode);
// Opens the help page of the class in the language with the shell's "open" verb.
void showHelp(std::string_view className, std::string_view languageCode);

}  // namespace framework
