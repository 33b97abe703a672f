// Many tabs at once, at random: a web desk driven directly on this thread as its UI thread,
// with instances of every class opened, typed in, keyed (Enter, Alt+Up, F1, Tab, Escape),
// clicked, their boxes and pickers answered in random order, released while they wait, and
// opened anew. Refusals are part of the game; anything else that goes wrong is counted and
// fails the run, as a crash or a sanitizer report does. First it measures the memory an open
// mask takes.
//   web_soak [SECONDS [SEED]]   (defaults 60, the time)

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "desk/home/DeskHome.h"
#include "desk/web/PageActions.h"
#include "desk/web/WebDesk.h"

namespace {

using nlohmann::json;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kMostOpen = 90;  // more than the desk lets wait

std::size_t residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stoul(line.substr(6));
  }
  return 0;
}

class Soak {
 public:
  Soak(desk::WebDesk& desk, desk::UiThread& ui, unsigned seed)
      : desk_(desk), ui_(ui), random_(seed), languages_(desk.languages()) {}

  // The resident memory open instances take, every class in turn: at each of counts (in
  // rising order) open at once, per instance over what the process held before the first.
  void measure(const std::vector<std::size_t>& counts) {
    const std::size_t before = residentKiB();
    std::vector<std::string> ids;
    const auto& classes = desk_.servedClasses();
    for (const std::size_t count : counts) {
      while (ids.size() < count)
        ids.push_back(desk_.openMask(*classes[ids.size() % classes.size()]));
      const std::size_t after = residentKiB();
      std::printf("%zu masks open: RSS %zu KiB -> %zu KiB, %.0f KiB per mask\n", count, before,
                  after, static_cast<double>(after - before) / static_cast<double>(count));
    }
    for (const std::string& id : ids) desk_.release(id);
  }

  // How deep a Send of the largest mask goes on its context's stack.
  void measureSend() {
    const std::string id = desk_.openMask(*desk_.findServedClass("PNRCreationFIT"));
    for (const char* action :
         {R"({"do":"type","control":183,"text":"SMITH"})",
          R"({"do":"type","control":193,"text":"JOHN"})", R"({"do":"key","key":"Enter"})"}) {
      const desk::ActionRequest request = desk::parseActionRequest(std::string_view(action));
      desk_.act(id, [request](desk::WebMask& target) { desk::runAction(target, request); });
      while (desk_.mask(id).waiting()) answer(id);
    }
    ui_.runQueued();  // the host's replies
    std::printf("a Send of PNRCreationFIT: the deepest stack %zu KiB of %zu KiB\n",
                desk::MaskContext::deepestStackUse() / 1024, desk::MaskContext::kStackSize / 1024);
    desk_.release(id);
  }

  void run(std::chrono::seconds length) {
    const auto end = Clock::now() + length;
    while (Clock::now() < end) {
      step();
      ++steps_;
    }
    desk_.releaseAll();
    std::printf(
        "%llu steps: %llu opened, %llu actions, %llu answers, %llu releases, "
        "%llu refused, most waiting %zu, deepest stack %zu KiB, %llu failures\n",
        steps_, opened_, actions_, answers_, releases_, refused_, mostWaiting_,
        desk::MaskContext::deepestStackUse() / 1024, failures_);
  }

  unsigned long long failures() const { return failures_; }

 private:
  std::size_t pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
  }

  void step() {
    ui_.runQueued();  // the host's replies and the previews, as the UI thread would run them
    mostWaiting_ = std::max(mostWaiting_, desk_.waitingCount());
    const int choice = static_cast<int>(pick(100));
    if (ids_.empty() || (choice < 8 && ids_.size() < kMostOpen)) return open();
    const std::string id = ids_[pick(ids_.size())];
    guarded([&] {
      if (choice < 12) {
        // Half of them release an instance that waits, when one does.
        std::string gone = id;
        if (choice < 6) {
          for (const std::string& other : ids_) {
            if (desk_.mask(other).waiting()) gone = other;
          }
        }
        ++releases_;
        desk_.release(gone);
        std::erase(ids_, gone);
      } else if (desk_.mask(id).waiting() && choice < 70) {
        answer(id);
      } else {
        act(id);
      }
    });
  }

  void open() {
    const auto& classes = desk_.servedClasses();
    std::optional<std::string> language;
    if (pick(4) == 0) language = languages_[pick(languages_.size())];
    guarded([&] {
      ids_.push_back(desk_.openMask(*classes[pick(classes.size())], language));
      ++opened_;
    });
  }

  void answer(const std::string& id) {
    const json modal = desk_.mask(id).state()["modal"];
    const std::string kind = modal.value("kind", "");
    desk::AnswerRequest answer;
    if (kind == "msgbox") {
      answer.button = platform::IDOK;
    } else if (kind == "calendar" && pick(2) == 0) {
      answer.words = std::vector<std::string>{"12", "5", "2027"};
    } else if (kind == "coder" && pick(2) == 0) {
      answer.words = std::vector<std::string>{"SG", "Singapore"};
    } else {
      answer.cancel = true;
    }
    ++answers_;
    desk_.answer(id, answer);
  }

  void act(const std::string& id) {
    desk::WebMask& mask = desk_.mask(id);
    const json controls = mask.state()["dialog"]["controls"];
    json action;
    const json control = controls.empty() ? json() : controls[pick(controls.size())];
    const int kind = static_cast<int>(pick(10));
    static const char* const kKeys[] = {"Enter",  "Alt+Up", "F1",       "Tab",
                                        "Escape", "Space",  "Backspace"};
    if (kind < 4 && control.is_object()) {
      static const char* const kTexts[] = {
          "5551234", "SMITH", "a", "*", "12MAY", "LH", "9", "ZZZZZZZZZZZZZZZZZZZZZZZZ", "é"};
      action = {{"do", "type"}, {"control", control["id"]}, {"text", kTexts[pick(9)]}};
    } else if (kind < 7) {
      action = {{"do", "key"}, {"key", kKeys[pick(7)]}};
      if (control.is_object() && pick(2) == 0) action["control"] = control["id"];
    } else if (kind < 9 && control.is_object()) {
      action = {{"do", pick(4) == 0 ? "dblclick" : "click"}, {"control", control["id"]}};
    } else if (control.is_object()) {
      action = {{"do", "choose"}, {"control", control["id"]}, {"index", 0}};
    } else {
      action = {{"do", "key"}, {"key", "Enter"}};
    }
    const desk::ActionRequest request = desk::parseActionRequest(action);
    ++actions_;
    desk_.act(id, [request](desk::WebMask& target) { desk::runAction(target, request); });
  }

  template <typename Work>
  void guarded(Work work) {
    try {
      work();
    } catch (const desk::WebRequestError& error) {
      if (error.status() == 404 && std::string(error.what()).starts_with("no open mask")) {
        std::erase_if(ids_, [&](const std::string& id) { return !exists(id); });
      }
      ++refused_;
    } catch (const std::exception& error) {
      ++failures_;
      std::fprintf(stderr, "web_soak: step %llu failed: %s\n", steps_, error.what());
    }
  }

  bool exists(const std::string& id) {
    try {
      desk_.mask(id);
      return true;
    } catch (const desk::WebRequestError&) {
      return false;
    }
  }

  desk::WebDesk& desk_;
  desk::UiThread& ui_;
  std::mt19937 random_;
  std::vector<std::string> languages_;
  std::vector<std::string> ids_;
  unsigned long long steps_ = 0, opened_ = 0, actions_ = 0, answers_ = 0, releases_ = 0,
                     refused_ = 0, failures_ = 0;
  std::size_t mostWaiting_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  const unsigned seed =
      argc > 2 ? static_cast<unsigned>(std::atoll(argv[2])) : static_cast<unsigned>(time(nullptr));
  std::printf("web_soak: %d s, seed %u\n", seconds, seed);

  std::string pattern =
      (std::filesystem::temp_directory_path() / "quillet-web-soak-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    std::perror("web_soak: mkdtemp");
    return 1;
  }
  const std::filesystem::path home = std::filesystem::path(pattern) / "home";
  unsigned long long failures = 0;
  try {
    desk::prepareHome(home);
    desk::setHome(home);
    desk::ModuleLoader module(desk::ModuleLoader::defaultModulePath());
    desk::UiThread ui;
    {
      desk::WebDesk desk(module, ui, std::chrono::minutes(1));
      Soak soak(desk, ui, seed);
      soak.measure({1, 26, 100});
      soak.measureSend();
      soak.run(std::chrono::seconds(seconds));
      failures = soak.failures();
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "web_soak: %s\n", error.what());
    failures = 1;
  }
  std::filesystem::remove_all(pattern);
  return failures == 0 ? 0 : 1;
}
