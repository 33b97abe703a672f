// A language table file of any content loads, and every text found fits its buffer.

#include <cstdlib>
#include <fstream>
#include <string>

#include "framework/services/TorvanArch.h"
#include "tests/fuzz/FuzzHome.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path file = fuzz::fuzzHome() / "languages" / "FZ1.txt";
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  LANG_load("FZ1");
  for (const char* key : {"LAB_A", "ERR_A", "", "A", "#A", " LAB_A "}) {
    std::string text;
    if (LANG_getString(key, text, 1024) && text.size() > 1023) std::abort();
    if (LANG_getStringEx(key, text, 1000) && text.size() > 999) std::abort();
  }
  LANG_unload();
  return 0;
}
