#pragma once
// The agent's journal: every entry a mask sent to the host (Send, SendCommand, SendTo), with
// its time, the mask's class and instance and the host's answer, kept in an SQLite database in
// the desk home so that it outlives reloads and restarts. Entries older than the retention
// are dropped when the journal opens. Safe to use from several threads.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

struct sqlite3;

namespace desk {

struct JournalEntry {
  std::int64_t id = 0;
  std::string time;       // ISO 8601, UTC, to the millisecond: "2026-12-11T14:03:19.250Z"
  std::string event;      // "Send", "SendCommand", "SendTo"
  std::string maskClass;  // "PNRCreationFax"
  std::string instance;
  std::string command;                // the exact entry text
  std::optional<std::string> answer;  // the host's answer, when it gave one
};

class JournalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Journal {
 public:
  static constexpr std::chrono::days kDefaultRetention{90};
  static constexpr std::size_t kDefaultListing = 100;
  static constexpr std::size_t kLongestListing = 1000;

  // Opens the journal in file, making it (readable by its owner only) when it is missing; then
  // drops the entries older than retention before now. JournalError when the file cannot be
  // opened or is not a journal.
  explicit Journal(const std::filesystem::path& file,
                   std::chrono::days retention = kDefaultRetention,
                   std::chrono::system_clock::time_point now = std::chrono::system_clock::now());
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Records an entry; its id, for the host's answer that follows.
  std::int64_t add(std::string_view event, std::string_view maskClass, std::string_view instance,
                   std::string_view command,
                   std::chrono::system_clock::time_point when = std::chrono::system_clock::now());
  void setAnswer(std::int64_t id, std::string_view answer);
  // The newest entries first, at most limit of them (bounded by kLongestListing); with a search
  // text only those whose command, mask class or answer hold it (ignoring case).
  std::vector<JournalEntry> newest(std::string_view search, std::size_t limit) const;
  // Drops the entries older than retention before now; how many went.
  std::size_t prune(std::chrono::system_clock::time_point now);

 private:
  void execute(const char* sql);

  sqlite3* database_ = nullptr;
  std::chrono::days retention_;
  mutable std::mutex mutex_;
};

// The retention in days from its setting (QUILLET_JOURNAL_DAYS): a whole number of days from 1
// to 36500; JournalError otherwise.
std::chrono::days journalRetention(std::string_view setting);

// The answer to GET /api/journal?q=&limit=: {"entries": [...]} newest first, each with id,
// time, event, mask, instance, command and answer (null when none). limit: a whole number from
// 1 to kLongestListing (empty: kDefaultListing); WebRequestError 400 otherwise.
nlohmann::json journalJson(const Journal& journal, std::string_view query, std::string_view limit);

}  // namespace desk
