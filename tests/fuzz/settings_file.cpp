// Market settings and code-list files of any content, read by the individual creation mask
// and by the code lookup: any bytes load or give nothing, a setting read through the install
// folder is the one read from the file, and a lookup finds only the table's own entries.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "desk/controls/CodeList.h"
#include "masks/fit/MarketSettings.h"
#include "platform/text/TextRules.h"
#include "tests/fuzz/FuzzHome.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void write(const std::filesystem::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string wanted = input.ConsumeRandomLengthString(64);
  const std::string content = input.ConsumeRemainingBytesAsString();
  const std::filesystem::path& home = fuzz::fuzzHome();

  write(home / "Marketconfig.xml", content);
  const fit::MarketSettings settings =
      fit::readMarketSettingsFile((home / "Marketconfig.xml").string());
  check(fit::readMarketSettings(home.string()) == settings);

  write(home / "coder" / "fuzz.xml", content);
  const fit::CodeList maskList = fit::readCodeListFile((home / "coder" / "fuzz.xml").string());
  for (const fit::CodeEntry& entry : maskList) {
    check(fit::codeOf(maskList, entry.description).size() <= content.size());
  }

  desk::CodeList table;
  const desk::CodeListStatus status = table.load("coder\\FUZZ.XML", home);
  check(status == table.status());
  check((status == desk::CodeListStatus::Loaded) == !table.entries().empty());
  check(status == desk::CodeListStatus::Loaded || !table.statusText().empty());
  if (status == desk::CodeListStatus::Loaded || status == desk::CodeListStatus::Empty) {
    check(table.entries().size() <= maskList.size());
  }
  for (const desk::CodeEntry& entry : table.entries()) {
    check(!entry.code.empty() && platform::trimBlanks(entry.code) == entry.code);
    const desk::CodeEntry* found = table.find(entry.code);
    check(found && platform::equalIgnoringCase(found->code, entry.code));
  }
  check(table.search("").size() == table.entries().size());
  for (const desk::CodeEntry* entry : table.search(wanted)) {
    check(entry >= table.entries().data() &&
          entry < table.entries().data() + table.entries().size());
  }
  (void)table.find(wanted);
  return 0;
}
