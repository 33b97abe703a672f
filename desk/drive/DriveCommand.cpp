#include "desk/drive/DriveCommand.h"

#include <fstream>
#include <iostream>
#include <optional>

#include "desk/container/ClassResolver.h"
#include "desk/drive/DriveSession.h"
#include "desk/home/DeskHome.h"

namespace desk {
namespace {

struct DriveOptions {
  std::string className;
  std::optional<std::filesystem::path> home;
  std::optional<std::filesystem::path> script;
};

DriveOptions parseOptions(const std::vector<std::string>& arguments) {
  DriveOptions options;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if ((argument == "--home" || argument == "--script") && at + 1 < arguments.size()) {
      (argument == "--home" ? options.home : options.script) = arguments[++at];
    } else if (options.className.empty() && !argument.starts_with("--")) {
      options.className = argument;
    } else {
      throw std::invalid_argument("unexpected argument \"" + argument + "\"");
    }
  }
  if (options.className.empty()) throw std::invalid_argument("no mask class given");
  return options;
}

}  // namespace

int runDriveCommand(const std::vector<std::string>& arguments) {
  DriveOutput output(std::cout);
  try {
    const DriveOptions options = parseOptions(arguments);
    const std::filesystem::path home =
        std::filesystem::absolute(options.home.value_or(userHome())).lexically_normal();
    prepareHome(home);
    setHome(home);
    const ResolvedClass resolved =
        resolveClass(options.className, ModuleLoader::defaultModulePath());

    std::ifstream scriptFile;
    if (options.script) {
      scriptFile.open(*options.script);
      if (!scriptFile) throw std::invalid_argument("cannot read " + options.script->string());
    }
    const std::filesystem::path scriptFolder =
        options.script ? std::filesystem::absolute(*options.script).parent_path()
                       : std::filesystem::current_path();

    ModuleLoader module(resolved.modulePath);
    DriveSession session(module, *resolved.description, scriptFolder, output);
    return session.run(options.script ? scriptFile : std::cin);
  } catch (const std::exception& error) {
    output.write({{"error", error.what()}});
    return 1;
  }
}

}  // namespace desk
