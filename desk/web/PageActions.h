#pragma once
// What the agent does at the page (typing, clicking, choosing, keys), carried out on the mask
// instance it was done in. Runs on the UI thread, inside the instance's own execution.

#include "desk/web/WebRequests.h"

namespace desk {

class WebMask;

// Throws WebRequestError for a control the dialog does not hold or an action that does not
// fit it.
void runAction(WebMask& mask, const ActionRequest& request);

}  // namespace desk
