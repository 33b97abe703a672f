#pragma once
// The desk's named message queues, shared by every process of the desk. Masks pop with
// Q_popString; other desktop components (and containers) push with this function.

#include <string_view>

namespace desk {

// Appends one message to the named queue (names compare without regard to letter case).
void pushQueueMessage(std::string_view queueName, std::string_view message);

}  // namespace desk
