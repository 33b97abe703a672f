// Profile files and the whiteboard as text: any bytes parse, every section read in one pass is
// what its own lookup gives, and writing a value then finding it gives that value back, in the
// document and in the text written from it.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "desk/services/IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(64);
  const std::string key = input.ConsumeRandomLengthString(64);
  const std::string value = input.ConsumeRandomLengthString(2048);
  const std::string text = input.ConsumeRemainingBytesAsString();

  desk::IniDocument document(text);
  const std::string written = document.text();
  if (desk::IniDocument(written).text() != written) std::abort();
  (void)document.find(section, key);
  (void)document.entries(section);
  // The one-pass read of every section agrees with the lookup of each.
  for (const desk::IniSection& each : document.sections()) {
    if (each.entries != document.entries(each.name)) std::abort();
  }

  if (!desk::IniDocument::isValidSectionName(section) || !desk::IniDocument::isValidKeyName(key)) {
    return 0;
  }
  document.set(section, key, value);
  std::string expected = value;
  std::replace_if(
      expected.begin(), expected.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  const auto found = document.find(section, key);
  if (!found || *found != expected) std::abort();
  const desk::IniDocument rewritten(document.text());
  const auto reread = rewritten.find(section, key);
  if (!reread || *reread != expected) std::abort();
  return 0;
}
