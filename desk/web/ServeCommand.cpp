#include "desk/web/ServeCommand.h"

#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>

#include "desk/home/DeskHome.h"
#include "desk/web/RandomToken.h"
#include "desk/web/WebServer.h"

namespace desk {
namespace {

struct ServeOptions {
  std::string host = "127.0.0.1";
  int port = 8080;
  std::optional<std::filesystem::path> home;
  std::vector<std::string> allowedHosts;
};

// From the moment it is interrupted the desk has this long to release its masks and end.
constexpr auto kEndingTime = std::chrono::milliseconds(1800);

int parsePort(const std::string& text) {
  std::size_t used = 0;
  int port = -1;
  try {
    port = std::stoi(text, &used);
  } catch (const std::exception&) {
  }
  if (used != text.size() || port < 0 || port > 65535) {
    throw std::invalid_argument("the port \"" + text + "\" is not a number from 0 to 65535");
  }
  return port;
}

ServeOptions parseOptions(const std::vector<std::string>& arguments) {
  ServeOptions options;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    const bool hasValue = at + 1 < arguments.size();
    if (argument == "--port" && hasValue) {
      options.port = parsePort(arguments[++at]);
    } else if (argument == "--host" && hasValue) {
      options.host = arguments[++at];
    } else if (argument == "--home" && hasValue) {
      options.home = arguments[++at];
    } else if (argument == "--allow-host" && hasValue) {
      const std::string& name = arguments[++at];
      if (name.empty() || name.find_first_of("/:@ \t") != std::string::npos) {
        throw std::invalid_argument("the host name \"" + name +
                                    "\" is not a name or address without a port");
      }
      options.allowedHosts.push_back(name);
    } else {
      throw std::invalid_argument("unexpected argument \"" + argument + "\"");
    }
  }
  return options;
}

// How long an instance outlives its page: QUILLET_WEB_GRACE_MS, else ten seconds.
std::chrono::milliseconds gracePeriod() {
  if (const char* value = std::getenv("QUILLET_WEB_GRACE_MS")) {
    try {
      return std::chrono::milliseconds(std::stol(value));
    } catch (const std::exception&) {
    }
  }
  return std::chrono::seconds(10);
}

// The sign-in token: QUILLET_DESK_TOKEN, or a new one of 192 random bits.
std::string signInToken() {
  if (const char* given = std::getenv("QUILLET_DESK_TOKEN"); given != nullptr && *given != 0) {
    if (!DeskAccess::fitToken(given)) {
      throw std::invalid_argument(
          "QUILLET_DESK_TOKEN must be at least 16 letters, digits or any of - _ . ~");
    }
    return given;
  }
  return randomToken(24);
}

}  // namespace

int runServeCommand(const std::vector<std::string>& arguments) {
  ServeOptions options;
  std::string token;
  try {
    options = parseOptions(arguments);
    token = signInToken();
    const std::filesystem::path home =
        std::filesystem::absolute(options.home.value_or(userHome())).lexically_normal();
    prepareHome(home);
    setHome(home);
  } catch (const std::exception& error) {
    std::cerr << "quillet serve: " << error.what() << "\n";
    return 1;
  }

  // Interrupts are taken by one thread of their own; every other thread ignores them.
  sigset_t interrupts;
  sigemptyset(&interrupts);
  sigaddset(&interrupts, SIGINT);
  sigaddset(&interrupts, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &interrupts, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  try {
    ModuleLoader module(ModuleLoader::defaultModulePath());
    UiThread ui;
    int status = 0;
    // Set once the desk has released its masks; an interrupted desk that cannot get there in
    // time is ended all the same.
    std::mutex endingMutex;
    std::condition_variable endingChanged;
    bool ended = false;
    {
      WebDesk desk(module, ui, gracePeriod());
      WebServer server(desk, token, options.allowedHosts);
      const int port = server.bind(options.host, options.port);
      if (port < 0) {
        std::cerr << "quillet serve: cannot listen on " << options.host << ":" << options.port
                  << "\n";
        return 1;
      }
      std::cout << "Quillet desk: " << server.access().signInAddress() << std::endl;

      std::thread listener([&server] { server.listen(); });
      std::thread signals([&] {
        int signal = 0;
        sigwait(&interrupts, &signal);
        server.stop();
        ui.stop();
        std::unique_lock lock(endingMutex);
        if (!endingChanged.wait_for(lock, kEndingTime, [&] { return ended; })) {
          std::cerr << "quillet serve: the desk did not end in time; ending it now\n";
          std::_Exit(1);
        }
      });
      ui.run([&desk] { desk.releaseUnwatched(); });
      listener.join();
      desk.releaseAll();
      if (!desk.registeredModulesCanUnload()) {
        std::cerr << "quillet serve: a registered module does not allow unloading\n";
        status = 1;
      }
      {
        std::lock_guard lock(endingMutex);
        ended = true;
      }
      endingChanged.notify_all();
      signals.join();
    }
    if (module.canUnloadNow()() != S_OK) {
      std::cerr << "quillet serve: the module does not allow unloading\n";
      status = 1;
    }
    return status;
  } catch (const std::exception& error) {
    std::cerr << "quillet serve: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace desk
