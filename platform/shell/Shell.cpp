#include "platform/shell/Shell.h"

#include "platform/window/Desktop.h"

namespace platform {

void shellOpen(std::string_view target) {
  if (ContainerServices* container = desktop().container()) container->shellOpen(target);
}

}  // namespace platform
