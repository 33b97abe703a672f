// quillet: the desk's containers and its installer.
//   quillet drive CLASS [--home DIR] [--script FILE]   runs a drive script against a mask
//   quillet serve [--port N] [--host ADDR] [--home DIR] the web desk: every mask in a browser
//   quillet register [--home DIR]                      registers the module in the desk home
//   quillet unregister [--home DIR]                    removes that registration
//   quillet classes                                    lists the classes the module serves
//   quillet typelib                                    prints the module's type library

#include <iostream>
#include <string>
#include <vector>

#include "desk/app/RegistrationCommands.h"
#include "desk/drive/DriveCommand.h"
#include "desk/web/ServeCommand.h"

namespace {

int usage() {
  std::cerr << "usage: quillet drive CLASS [--home DIR] [--script FILE]\n"
               "       quillet register [--home DIR]\n"
               "       quillet unregister [--home DIR]\n"
               "       quillet classes\n"
               "       quillet typelib\n"
               "       quillet serve [--port N] [--host ADDR] [--home DIR]\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  const std::vector<std::string> arguments(argv + 2, argv + argc);
  if (command == "drive") return desk::runDriveCommand(arguments);
  if (command == "register") return desk::runRegisterCommand(arguments, true);
  if (command == "unregister") return desk::runRegisterCommand(arguments, false);
  if (command == "classes") return desk::runClassesCommand(arguments);
  if (command == "typelib") return desk::runTypeLibCommand(arguments);
  if (command == "serve") return desk::runServeCommand(arguments);
  return usage();
}
