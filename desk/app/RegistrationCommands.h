#pragma once
// The installer's commands of the desk:
//   quillet register [--home DIR]     registers the module's classes and type library
//   quillet unregister [--home DIR]   removes them again
//   quillet classes                   lists the classes the module serves (its object map)
//   quillet typelib                   prints the type library as an object viewer shows it

#include <iosfwd>
#include <string>
#include <vector>

namespace desk {

// Each returns the exit status: 0 done, 1 failed (with a message on standard error).
int runRegisterCommand(const std::vector<std::string>& arguments, bool registering);
int runClassesCommand(const std::vector<std::string>& arguments);
int runTypeLibCommand(const std::vector<std::string>& arguments);

// The type library in the interface definition language, as an object viewer prints it.
void printTypeLibrary(std::ostream& out);

}  // namespace desk
