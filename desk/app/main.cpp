// quillet: the desk's containers.
//   quillet drive CLASS [--home DIR] [--script FILE]   runs a drive script against a mask
//   quillet serve [--port N] [--host ADDR] [--home DIR] the web desk: every mask in a browser

#include <iostream>
#include <string>
#include <vector>

#include "desk/drive/DriveCommand.h"
#include "desk/web/ServeCommand.h"

namespace {

int usage() {
  std::cerr << "usage: quillet drive CLASS [--home DIR] [--script FILE]\n"
               "       quillet serve [--port N] [--host ADDR] [--home DIR]\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  const std::vector<std::string> arguments(argv + 2, argv + argc);
  if (command == "drive") return desk::runDriveCommand(arguments);
  if (command == "serve") return desk::runServeCommand(arguments);
  return usage();
}
