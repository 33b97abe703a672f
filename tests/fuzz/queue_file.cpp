// A queue file of any content pops message by message until it is empty; a message pushed
// comes back as it was, within the buffer.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "desk/services/NamedQueues.h"
#include "framework/services/TorvanArch.h"
#include "platform/text/TextRules.h"
#include "tests/fuzz/FuzzHome.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string message = input.ConsumeRandomLengthString(4096);
  const std::string content = input.ConsumeRemainingBytesAsString();
  const std::filesystem::path folder = fuzz::fuzzHome() / "queues";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "id_fuzz.queue", std::ios::binary | std::ios::trunc) << content;

  std::string popped;
  for (std::size_t lines = 0; Q_popString("ID_FUZZ", "", popped, 1024, kWhiteboardName, 0) == 1;) {
    if (popped.size() > 1023 || ++lines > content.size() + 1) std::abort();
  }
  desk::pushQueueMessage("ID_FUZZ", message);
  if (Q_popString("ID_FUZZ", "", popped, 1024, kWhiteboardName, 0) != 1) std::abort();
  if (popped != platform::limitToBuffer(message, 1024)) std::abort();
  return 0;
}
