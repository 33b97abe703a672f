#include "desk/web/ServeCommand.h"

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <thread>

#include "desk/home/DeskHome.h"
#include "desk/web/WebServer.h"

namespace desk {
namespace {

struct ServeOptions {
  std::string host = "127.0.0.1";
  int port = 8080;
  std::optional<std::filesystem::path> home;
};

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

}  // namespace

int runServeCommand(const std::vector<std::string>& arguments) {
  ServeOptions options;
  try {
    options = parseOptions(arguments);
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
    {
      WebDesk desk(module, ui, gracePeriod());
      WebServer server(desk);
      const int port = server.bind(options.host, options.port);
      if (port < 0) {
        std::cerr << "quillet serve: cannot listen on " << options.host << ":" << options.port
                  << "\n";
        return 1;
      }
      // An IPv6 address stands in brackets in an address of the web.
      const bool ipv6 = options.host.find(':') != std::string::npos;
      std::cout << "Quillet desk: http://" << (ipv6 ? "[" + options.host + "]" : options.host)
                << ":" << port << "/" << std::endl;

      std::thread listener([&server] { server.listen(); });
      std::thread signals([&] {
        int signal = 0;
        sigwait(&interrupts, &signal);
        server.stop();
        ui.stop();
      });
      ui.run([&desk] { desk.releaseUnwatched(); });
      listener.join();
      signals.join();
      desk.releaseAll();
      if (!desk.registeredModulesCanUnload()) {
        std::cerr << "quillet serve: a registered module does not allow unloading\n";
        status = 1;
      }
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
