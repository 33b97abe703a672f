#pragma once
// The desktop's architecture library: language table, shared whiteboard and named queues.
// Every function is called on the user-interface thread. Where the desktop's C interface fills
// a caller buffer of a given size, these functions fill a string with at most size - 1
// characters, so the documented limits hold without any buffer to overflow.

#include <cstddef>
#include <string>
#include <string_view>

// The whiteboard store every mask names, and the only store of the desk: the whiteboard and
// queue functions take it in any letter case, and report any other name on the log and give
// the default.
inline constexpr std::string_view kWhiteboardName = "VLWHITEBOARD";

// Makes the table of languageCode the current language table. "KEY" is a pseudo-language in
// which every key is found and reads as itself.
void LANG_load(std::string_view languageCode);
// Gives back one load; the table is dropped when the last user has unloaded it.
void LANG_unload();
// True when the key exists; text then holds its text (at most bufferSize - 1 characters).
// On false text is left empty and the caller decides what to show.
bool LANG_getString(std::string_view key, std::string& text, std::size_t bufferSize = 1024);
// The same lookup, used for field error and information texts.
bool LANG_getStringEx(std::string_view key, std::string& text, std::size_t bufferSize = 1000);

// Reads a whiteboard value into value (at most bufferSize - 1 characters), or the default.
void WHITEBOARD_getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::string& value, std::size_t bufferSize,
                          std::string_view whiteboardName);
// Writes a whiteboard value at once.
void WHITEBOARD_putString(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view whiteboardName);

// Takes the oldest message of the named queue into message (at most bufferSize - 1
// characters), or the default at once when the queue is empty. timeoutMs bounds the wait for
// the queue itself (another process holding it), never the wait for a message. Returns 1
// when a message was taken, 0 otherwise.
int Q_popString(std::string_view queueName, std::string_view defaultValue, std::string& message,
                std::size_t bufferSize, std::string_view whiteboardName, int timeoutMs);
