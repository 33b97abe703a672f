#pragma once
// The pending-PNR hand-over file: a customer profile record that another part of the desktop
// leaves in the install folder ("temp\PNRToBeCreate.pnrdata") for the individual creation
// mask to import when it opens. Its first character names the lookup it answers.

#include <optional>
#include <string>
#include <string_view>

#include "masks/fit/ProfileImport.h"

namespace fit {

struct HandOver {
  LookupKind kind = LookupKind::Surname;
  int row = 0;  // from 0
  // "1" and "4": the whiteboard's "CP_RenderTree" is emptied after the import.
  bool clearRenderTree = false;
  std::string text;  // the whole record, kind digit included
};

// The file's path in the install folder.
std::string handOverFilePath(std::string_view installFolder);

// What a record's first character asks for: "1" and "4" a surname lookup of the first row,
// "2" a given-name lookup of the second row, "3" a corporate lookup of the first row; nothing
// for any other text.
std::optional<HandOver> handOverOf(std::string text);

// Takes the hand-over file of the install folder: reads it and, when its first character names
// a lookup, deletes it and gives its record to import. A missing or unreadable file, or one
// that names no lookup (it stays where it is), gives nothing; so does an install folder that
// names no folder (InstallFolder.h).
std::optional<HandOver> takeHandOverFile(std::string_view installFolder);

}  // namespace fit
