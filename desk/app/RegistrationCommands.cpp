#include "desk/app/RegistrationCommands.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "desk/container/ModuleLoader.h"
#include "desk/home/DeskHome.h"
#include "desk/services/RegistryStore.h"
#include "desk/state/DeskObserver.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Interfaces.h"
#include "typelib/TypeLibrary.h"

namespace desk {
namespace {

namespace fs = std::filesystem;

// Keeps the error lines the registration writes to the log, to show them with its result.
class ErrorLines final : public DeskObserver {
 public:
  ErrorLines() { setObserver(this); }
  ~ErrorLines() override { setObserver(nullptr); }
  void onLog(std::string_view, std::string_view operation, std::string_view text) override {
    lines.push_back(std::string(operation) + ": " + std::string(text));
  }
  void onRequest(std::string_view) override {}
  std::vector<std::string> lines;
};

void expectNoArguments(const std::vector<std::string>& arguments) {
  if (!arguments.empty())
    throw std::invalid_argument("unexpected argument \"" + arguments[0] + "\"");
}

fs::path homeOption(const std::vector<std::string>& arguments) {
  std::optional<fs::path> home;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    if (arguments[at] == "--home" && at + 1 < arguments.size() && !home) {
      home = arguments[++at];
    } else {
      throw std::invalid_argument("unexpected argument \"" + arguments[at] + "\"");
    }
  }
  return fs::absolute(home.value_or(userHome())).lexically_normal();
}

// The classes of the type library that the registry names the module for.
int registeredClasses(const fs::path& modulePath) {
  const RegistryTree registry = readRegistry();
  int count = 0;
  for (const typelib::ClassDescription& described : typelib::classes()) {
    const std::optional<std::string> server = registry.root().defaultText(
        "HKEY_CLASSES_ROOT\\CLSID\\" + guidToString(described.clsid) + "\\InprocServer32");
    if (server && fs::path(*server) == modulePath) ++count;
  }
  return count;
}

}  // namespace

int runRegisterCommand(const std::vector<std::string>& arguments, bool registering) {
  const char* command = registering ? "register" : "unregister";
  try {
    const fs::path home = homeOption(arguments);
    prepareHome(home);
    setHome(home);
    const fs::path modulePath = fs::canonical(ModuleLoader::defaultModulePath());
    ModuleLoader module(modulePath);
    const auto entryPoint = registering ? module.registerServer() : module.unregisterServer();
    if (entryPoint == nullptr) {
      throw std::runtime_error("the module " + modulePath.string() + " cannot " + command +
                               " itself");
    }
    ErrorLines errors;
    const HRESULT result = entryPoint();
    if (FAILED(result)) {
      std::cerr << "quillet " << command << ": failed (" << hresultToString(result) << ")\n";
      for (const std::string& line : errors.lines) std::cerr << "  " << line << "\n";
      return 1;
    }
    if (registering) {
      std::cout << "Registered " << registeredClasses(modulePath)
                << " classes and the type library " << typelib::kLibraryName << " "
                << typelib::kLibraryMajorVersion << "." << typelib::kLibraryMinorVersion << " of "
                << modulePath.string() << " in " << registryFile().string() << "\n";
    } else {
      std::cout << "Unregistered the classes and the type library of " << modulePath.string()
                << " from " << registryFile().string() << "\n";
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "quillet " << command << ": " << error.what() << "\n";
    return 1;
  }
}

int runClassesCommand(const std::vector<std::string>& arguments) {
  try {
    expectNoArguments(arguments);
    ModuleLoader module(ModuleLoader::defaultModulePath());
    // The object map, as a container sees it: the classes whose factory the module gives.
    for (const typelib::ClassDescription& described : typelib::classes()) {
      ComPtr<IClassFactory> factory;
      if (FAILED(module.getClassObject()(described.clsid, IID_IClassFactory, factory.outVoid()))) {
        continue;
      }
      std::cout << described.name << "  " << typelib::versionedProgId(described) << "  "
                << guidToString(described.clsid) << "\n";
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "quillet classes: " << error.what() << "\n";
    return 1;
  }
}

int runTypeLibCommand(const std::vector<std::string>& arguments) {
  try {
    expectNoArguments(arguments);
    printTypeLibrary(std::cout);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "quillet typelib: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace desk
