// Parameter strings of any content, with any separator set: every item's key finds a value,
// and the values found are the items' own.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "framework/CParseField.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string separators = input.ConsumeRandomLengthString(16);
  const std::string text = input.ConsumeRemainingBytesAsString();

  framework::CParseField parser(text.c_str(), separators.c_str());
  for (const auto& [key, value] : parser.items()) {
    std::string found;
    if (parser.GetValue(key, found) != 1) std::abort();
  }
  std::string missing;
  if (parser.GetValue("\x01no such key\x02", missing) == 1 && parser.count() == 0) std::abort();
  parser.Parse();
  return 0;
}
