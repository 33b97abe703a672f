// Add-passenger list texts of any content: at most nine entries with fields of a profile
// value's length, and a list kept on the whiteboard loads back as it was saved (line breaks,
// which a profile value cannot hold, read as blanks).

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "framework/services/CTorvanProfile.h"
#include "masks/fit/AddPassengerList.h"
#include "tests/fuzz/FuzzHome.h"

namespace {

using namespace fit;

void check(bool condition) {
  if (!condition) std::abort();
}

std::string asStored(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

void checkSameEntry(const AddedPassenger& saved, const AddedPassenger& loaded) {
  for (std::string AddedPassenger::*member :
       {&AddedPassenger::surname, &AddedPassenger::givenName, &AddedPassenger::title,
        &AddedPassenger::others, &AddedPassenger::age, &AddedPassenger::homePhoneFlag,
        &AddedPassenger::businessPhoneFlag, &AddedPassenger::homePhoneValue,
        &AddedPassenger::businessPhoneValue}) {
    check(asStored(saved.*member) == loaded.*member);
  }
  check(saved.ptc == loaded.ptc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool withProfile = input.ConsumeBool();
  const int customerSource = input.ConsumeIntegral<int>();
  const std::string text = input.ConsumeRemainingBytesAsString();
  (void)fuzz::fuzzHome();

  const std::vector<AddedPassenger> entries =
      parseAddPassengerList(text, withProfile ? kListFieldsWithProfile : kListNameFields);
  check(entries.size() <= kMaxAddedPassengers);
  check(entries.size() <= static_cast<std::size_t>(std::count(text.begin(), text.end(), '=')) + 1);
  for (const AddedPassenger& entry : entries) {
    for (const std::string& field : entry.profile.fields) {
      // The name field joins surname and given name with a blank.
      check(field.size() <= 2 * kProfileValueLength + 1);
    }
    check(entry.surname.size() <= kProfileValueLength);
    check(entry.customerNumber.size() <= kProfileValueLength);
    if (!withProfile) check(entry.homePhoneFlag.empty() && entry.businessPhoneValue.empty());
  }

  CTorvanProfile profile;
  profile.setIniFile("VLwhiteboard.ini");
  profile.setSectionName("PNR.FUZZADDPAX");
  const SavedAddPassengerList saved{entries, customerSource};
  {
    // One write of the file for the whole list, and one read of it: the store itself has
    // fuzz targets of its own.
    const CTorvanProfile::Batch batch(profile);
    saveAddPassengerList(profile, &saved);
  }
  std::optional<SavedAddPassengerList> loaded;
  {
    const CTorvanProfile::Batch batch(profile);
    loaded = loadAddPassengerList(profile);
  }
  check(loaded && loaded->entries.size() == entries.size());
  check(loaded->customerSource == customerSource);
  for (std::size_t i = 0; i < entries.size(); ++i) checkSameEntry(entries[i], loaded->entries[i]);

  saveAddPassengerList(profile, nullptr);
  check(!loadAddPassengerList(profile));
  return 0;
}
