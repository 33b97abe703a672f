// Words, numbers and texts of a drive script line: any line reads or fails with a script error.

#include <cstdint>
#include <string>

#include "desk/drive/ScriptLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    desk::ScriptLine line(text);
    (void)line.word("command");
    (void)line.number<int>("id");
    (void)line.number<std::int64_t>("big");
    (void)line.number<std::uint32_t>("message");
    (void)line.number<short>("short");
  } catch (const desk::ScriptError&) {
  }
  desk::ScriptLine rest(text);
  (void)rest.text();
  return 0;
}
