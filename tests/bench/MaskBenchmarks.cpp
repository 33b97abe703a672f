// What an agent waits for: opening a mask (construction and dialog initialisation; every mask
// of the object map), and Send (validation, the whiteboard save, building and firing the
// command); and the whiteboard save of a mask section on its own, the largest one against its
// floor. The individual creation mask sends in two halves: Send up to the host request, and
// the round trip with the host's reply; and its checks and command on their own, with nine
// filled rows.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "desk/home/DeskHome.h"
#include "desk/services/AtomicFile.h"
#include "desk/services/IniDocument.h"
#include "desk/services/Whiteboard.h"
#include "desk/state/AgentProfile.h"
#include "framework/MaskState.h"
#include "framework/services/CTorvanProfile.h"
#include "masks/fit/PNRCreationFIT.h"
#include "module/ObjectMap.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/window/AgentInput.h"

namespace {

struct MaskInput {
  const char* name;
  std::vector<std::pair<int, const char*>> texts;  // control id and a valid text
  // A second valid text for the first control: every other Send saves a new value, so that
  // each round writes the whiteboard file as a real Send does.
  const char* otherFirstText;
  int sendButton = 223;
  std::vector<int> checked = {};                 // check boxes a Send needs checked
  std::vector<std::pair<int, int>> chosen = {};  // list entries a Send needs chosen
};

const MaskInput kMasks[] = {
    {"PNRCreationFax", {{304, "5551234"}}, "5559876"},
    {"PNRModificationFax", {{566, "5551234"}, {565, "2"}}, "5559876"},
    {"PNRModificationGIT", {{552, "12"}}, "13"},
    {"PNRModificationIncrease", {{605, "2"}, {607, "1-3"}}, "3"},
    {"PNRModificationReduce", {{610, "1"}, {612, "2.1"}}, "2"},
    {"PNRDeleteEmail", {{186, "3"}}, "4", 214},
    {"PNRRetrieval", {{520, "XYZ123"}}, "ABC123", 544},  // by record locator
    {"PNRCreationRemarks", {{276, "CALL CLIENT"}}, "CALL AGENT"},
    {"PNRModificationRemarks", {{592, "PAID CASH"}, {565, "6"}}, "PAID CARD"},
    {"PNRCreationPersonal", {{286, "X1234567"}, {288, "SMITH"}, {290, "JOHN"}}, "X7654321"},
    {"PNRModificationPersonal",
     {{577, "E987654"}, {565, "3"}, {579, "LEE"}, {581, "ANN"}},
     "E456789"},
    {"PNRCreationEmail",
     {{306, "JOHN_SMITH@HOST.TEST"}, {308, "OFFICE"}, {310, "1.1"}},
     "JANE@HOST.TEST"},
    {"PNRCreationSSR",
     {{294, "X1234567"}, {296, "US"}, {431, "SMITH"}, {432, "JOHN"}, {433, "01JAN70"}},
     "X7654321"},
    {"PNRModificationReceivedFrom", {{569, "MR SMITH"}}, "MRS SMITH"},
    {"PNRModificationTtl", {{215, "15MAR"}, {219, "100"}}, "16MAR"},
    {"PNRModifyGrpName", {{751, "SMITH TOUR"}}, "ABC TOURS", 752},
    {"PNRAddPhoneFax", {{235, "12345678"}, {237, "TRAVEL CO"}}, "87654321", 247},
    {"PNRModificationPassenger", {{557, "1.1"}, {559, "JOHN"}, {569, "PAX"}}, "2.1"},
    {"PNRAddEmail", {{325, "A@B.TEST"}, {303, "1.1"}}, "C@D.TEST", 389, {257}},
    // Send up to the host request for the agent data.
    {"PNRCreationFIT", {{183, "SMITH"}, {193, "JOHN"}, {195, "MR"}, {415, "5551234"}}, "JONES"},
    // Opened without a show, so without waiting for the PNR: the passenger edit is in use.
    {"PNRModificationEmail",
     {{572, "ANN_LEE@HOST.TEST"}, {565, "4"}, {554, "OFFICE"}, {556, "1.1"}},
     "BOB@HOST.TEST"},
    {"PNRModificationPhone",
     {{846, "5551234"}, {599, "SMITH"}, {565, "2"}},
     "5559876",
     223,
     {},
     {{602, 1}}},
    {"PNRModificationAddress", {{613, "10 HIGH ST"}, {565, "7"}}, "2 MAIN ST", 223, {}, {{602, 1}}},
    // No Send: its buttons send at once from the passengers the container lists.
    {"PNRModificationDivide", {}, nullptr, 0},
    // No Send: the hosted add-passenger control decides when the command goes.
    {"CreateAddPax", {}, nullptr, 0},
    // A free-text group with the agency copied from DOSS.
    {"PNRCreationGIT",
     {{464, "SQ"}, {497, "20"}, {466, "TOUR"}, {215, "15MAR"}, {409, "MR LEE"}},
     "CX",
     223,
     {841},
     {{462, 1}}},
};

// One desk home for the whole run, filled with the defaults.
void useBenchmarkHome() {
  static const bool ready = [] {
    // The agent's profile is known, so that opening the individual creation mask asks the
    // host for nothing.
    desk::agentProfile() = desk::AgentProfile{"QUILLET TRAVEL", {"12 HARBOUR STREET"}, 1};
    const auto folder =
        std::filesystem::temp_directory_path() / ("quillet-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    desk::prepareHome(folder);
    desk::setHome(folder);
    return true;
  }();
  (void)ready;
}

const module::ObjectMapEntry& entryOf(const char* name) {
  for (const module::ObjectMapEntry& entry : module::objectMap()) {
    if (entry.description.name == name) return entry;
  }
  std::abort();
}

ComPtr<IInPlaceActivation> openMask(const module::ObjectMapEntry& entry) {
  ComPtr<IInPlaceActivation> mask;
  entry.createInstance(IID_IInPlaceActivation, mask.outVoid());
  mask->InPlaceActivate(nullptr);
  return mask;
}

void BM_Open(benchmark::State& state, const module::ObjectMapEntry* entry) {
  useBenchmarkHome();
  for (auto _ : state) {
    ComPtr<IInPlaceActivation> mask = openMask(*entry);
    benchmark::DoNotOptimize(mask.get());
  }
}

void BM_Send(benchmark::State& state, const MaskInput& input) {
  useBenchmarkHome();
  ComPtr<IInPlaceActivation> mask = openMask(entryOf(input.name));
  platform::Window* dialog = nullptr;
  mask->GetWindow(&dialog);
  platform::Window* send = dialog->child(input.sendButton);
  for (int id : input.checked) dialog->child(id)->setCheckState(1);
  for (const auto& [id, index] : input.chosen) platform::chooseEntry(*dialog->child(id), index);
  bool other = false;
  for (auto _ : state) {
    // Send rewrites a segment range in its normal form, so every round starts from the input.
    for (const auto& [id, text] : input.texts) dialog->child(id)->setText(text);
    if ((other = !other)) dialog->child(input.texts.front().first)->setText(input.otherFirstText);
    platform::click(*send);
  }
}

void sendOnce(const MaskInput& input) {
  ComPtr<IInPlaceActivation> mask = openMask(entryOf(input.name));
  platform::Window* dialog = nullptr;
  mask->GetWindow(&dialog);
  for (const auto& [id, index] : input.chosen) platform::chooseEntry(*dialog->child(id), index);
  for (const auto& [id, text] : input.texts) dialog->child(id)->setText(text);
  for (int id : input.checked) dialog->child(id)->setCheckState(1);
  platform::click(*dialog->child(input.sendButton));
}

// The mask section of the whiteboard with the most bytes, after one Send of every mask; the
// whiteboard then holds every section, for the save and its floor alike.
const std::string& largestMaskSection() {
  static const std::string largest = [] {
    for (const MaskInput& input : kMasks) {
      if (input.sendButton != 0) sendOnce(input);
    }
    const std::string text = desk::readFileIfExists(desk::whiteboardFile()).value_or("");
    const desk::IniDocument board(text);
    std::string name;
    std::size_t largestBytes = 0;
    // The masks' sections are the dotted ones: "PNR.CREATION.FAX".
    for (std::size_t at = text.find("\n[PNR."); at != std::string::npos;
         at = text.find("\n[PNR.", at + 1)) {
      const std::size_t close = text.find(']', at);
      const std::string section = text.substr(at + 2, close - at - 2);
      std::size_t bytes = 0;
      for (const auto& [key, value] : board.entries(section))
        bytes += key.size() + value.size() + 2;
      if (bytes > largestBytes) {
        largestBytes = bytes;
        name = section;
      }
    }
    return name;
  }();
  return largest;
}

// The save of the largest mask section as a Send makes it: every key in one batch, one value
// new each round.
class LargestSectionSave {
 public:
  LargestSectionSave()
      : section_(largestMaskSection()), entries_(desk::whiteboardSection(section_)) {}

  void operator()() {
    CTorvanProfile profile;
    framework::openWhiteboardSection(profile, section_);
    CTorvanProfile::Batch together(profile);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      profile.setKeyName(entries_[i].first);
      profile.setValue(i == 0 ? entries_[i].second : std::to_string(++round_));
    }
  }

  std::string label() const { return section_ + ", " + std::to_string(entries_.size()) + " keys"; }

 private:
  std::string section_;
  std::vector<std::pair<std::string, std::string>> entries_;
  int round_ = 0;
};

// The whiteboard's bytes once every mask has saved its section.
std::string fullWhiteboard() {
  largestMaskSection();
  return desk::readFileIfExists(desk::whiteboardFile()).value_or("");
}

// The floor of any save: one atomic replace, under its lock, of a file of the whiteboard's
// bytes in the same folder.
class AtomicReplaceFloor {
 public:
  AtomicReplaceFloor() : bytes_(fullWhiteboard()), file_(desk::home() / "floor.ini") {}

  void operator()() const {
    const desk::FileLock lock = desk::FileLock::acquire(desk::lockFileFor(file_));
    desk::replaceFile(file_, bytes_);
  }

  std::string label() const { return std::to_string(bytes_.size()) + " bytes"; }

 private:
  std::string bytes_;
  std::filesystem::path file_;
};

void BM_WhiteboardSaveLargest(benchmark::State& state) {
  useBenchmarkHome();
  LargestSectionSave save;
  state.SetLabel(save.label());
  for (auto _ : state) save();
}

void BM_AtomicReplaceFloor(benchmark::State& state) {
  useBenchmarkHome();
  const AtomicReplaceFloor floor;
  state.SetLabel(floor.label());
  for (auto _ : state) floor();
}

// The save and its floor in turns, so that the load of the machine weighs on both alike: the
// time is the save's, "ratio" the save's total time over the floor's, both wall clock.
void BM_LargestSaveAgainstFloor(benchmark::State& state) {
  useBenchmarkHome();
  LargestSectionSave save;
  const AtomicReplaceFloor floor;
  state.SetLabel(save.label() + " against " + floor.label());
  using Clock = std::chrono::steady_clock;
  Clock::duration saving{}, flooring{};
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    save();
    const Clock::time_point saved = Clock::now();
    floor();
    const Clock::time_point floored = Clock::now();
    saving += saved - start;
    flooring += floored - saved;
    state.SetIterationTime(std::chrono::duration<double>(saved - start).count());
  }
  const auto microseconds = [&state](Clock::duration total) {
    return std::chrono::duration<double, std::micro>(total).count() /
           static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  };
  state.counters["floor_us"] = microseconds(flooring);
  state.counters["ratio"] =
      flooring.count() > 0 ? microseconds(saving) / microseconds(flooring) : 0;
}

void BM_WhiteboardSave(benchmark::State& state) {
  useBenchmarkHome();
  int round = 0;
  for (auto _ : state) {
    CTorvanProfile profile;
    framework::openWhiteboardSection(profile, "PNR.MODIFICATION.GIT");
    CTorvanProfile::Batch together(profile);
    framework::writeMarker(profile);
    profile.setKeyName("LINENO");
    profile.setValue("2");
    profile.setKeyName("FAXNO");
    profile.setValue(std::to_string(++round));
  }
}

// The host's reply to "%%JX AIT": the agent and a booking of two airlines.
constexpr const char* kAgentReply =
    "<?xml version=\"1.0\"?><VELANO><N_AGENT><AGENCY_NAME>QUILLET TRAVEL</AGENCY_NAME>"
    "<DATA_SRC_LOCATION>1</DATA_SRC_LOCATION></N_AGENT><N_AIRAALSAD0PNR0>"
    "<N_AIR000><N_001N>01</N_001N><N_000B>SQ</N_000B></N_AIR000>"
    "<N_AIR000><N_001N>02</N_001N><N_000B>LH</N_000B></N_AIR000>"
    "<N_CPA000><N_001N>01</N_001N><N_00G3>FRA</N_00G3></N_CPA000>"
    "</N_AIRAALSAD0PNR0></VELANO>";

// The individual creation mask, open, with nine passenger rows and the contact data filled.
struct FitMask {
  ComPtr<IInPlaceActivation> activation;
  CPNRCreationFIT* mask = nullptr;
  platform::Window* dialog = nullptr;

  FitMask() {
    mask = new CPNRCreationFIT();
    mask->AddRef();
    mask->QueryInterface(IID_IInPlaceActivation, activation.outVoid());
    mask->Release();
    activation->InPlaceActivate(nullptr);
    activation->GetWindow(&dialog);
    constexpr const char* kSurnames[] = {"SMITH", "JONES",  "LEE",    "KIM",   "TAN",
                                         "WONG",  "OKAFOR", "NGUYEN", "GARCIA"};
    for (std::size_t row = 0; row < resources::pnr_creation_fit::kRows.size(); ++row) {
      const auto& ids = resources::pnr_creation_fit::kRows[row];
      dialog->child(ids.surname)->setText(kSurnames[row]);
      dialog->child(ids.givenName)->setText("ANNA");
      dialog->child(ids.title)->setText("MS");
    }
    dialog->child(415)->setText("5551234");
    dialog->child(475)->setText("TAN AH KOW");
    dialog->child(278)->setText("65 6789 0123");
    dialog->child(304)->setText("65 6000 2222");
  }
};

void BM_FitRoundTrip(benchmark::State& state) {
  useBenchmarkHome();
  FitMask fit;
  platform::Window* send = fit.dialog->child(223);
  const Bstr reply(kAgentReply);
  for (auto _ : state) {
    platform::click(*send);
    fit.mask->SetResponse(reply.get());
  }
}

void BM_FitValidateAndBuild(benchmark::State& state) {
  useBenchmarkHome();
  FitMask fit;
  for (auto _ : state) {
    if (!fit.mask->ValidateFields()) state.SkipWithError("the rows did not validate");
    benchmark::DoNotOptimize(fit.mask->BuildCreationCommand(kAgentReply));
  }
}

const bool kRegistered = [] {
  // Opening every mask the module serves, as soon as it is in the object map.
  for (const module::ObjectMapEntry& entry : module::objectMap()) {
    benchmark::RegisterBenchmark(("Open/" + std::string(entry.description.name)).c_str(), BM_Open,
                                 &entry);
  }
  for (const MaskInput& input : kMasks) {
    if (input.sendButton == 0) continue;
    benchmark::RegisterBenchmark((std::string("Send/") + input.name).c_str(), BM_Send, input);
  }
  benchmark::RegisterBenchmark("SendRoundTrip/PNRCreationFIT", BM_FitRoundTrip);
  benchmark::RegisterBenchmark("ValidateAndBuild/PNRCreationFIT", BM_FitValidateAndBuild);
  benchmark::RegisterBenchmark("WhiteboardSave/MaskSection", BM_WhiteboardSave);
  benchmark::RegisterBenchmark("WhiteboardSave/LargestSection", BM_WhiteboardSaveLargest);
  benchmark::RegisterBenchmark("WhiteboardSave/AtomicReplaceFloor", BM_AtomicReplaceFloor);
  benchmark::RegisterBenchmark("WhiteboardSave/LargestAgainstFloor", BM_LargestSaveAgainstFloor)
      ->UseManualTime();
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
