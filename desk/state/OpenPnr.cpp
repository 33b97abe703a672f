#include "desk/state/OpenPnr.h"

namespace desk {

OpenPnr& openPnr() {
  static OpenPnr pnr;
  return pnr;
}

}  // namespace desk
