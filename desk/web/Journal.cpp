#include "desk/web/Journal.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <ctime>

#include "desk/web/WebRequests.h"

namespace desk {

namespace {

using Clock = std::chrono::system_clock;

std::int64_t millisecondsOf(Clock::time_point when) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
}

std::string isoTime(Clock::time_point when) {
  const std::int64_t milliseconds = millisecondsOf(when);
  std::int64_t seconds = milliseconds / 1000;
  std::int64_t rest = milliseconds % 1000;
  if (rest < 0) {
    rest += 1000;
    seconds -= 1;
  }
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  gmtime_r(&time, &parts);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900,
                parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                static_cast<int>(rest));
  return text;
}

// A prepared statement, finalized when it goes out of scope.
class Statement {
 public:
  Statement(sqlite3* database, const char* sql) : database_(database) {
    if (sqlite3_prepare_v2(database, sql, -1, &statement_, nullptr) != SQLITE_OK) {
      throw JournalError(std::string("the journal cannot be read: ") + sqlite3_errmsg(database));
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int index, std::string_view text) {
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
    return *this;
  }
  Statement& bind(int index, std::int64_t number) {
    sqlite3_bind_int64(statement_, index, number);
    return *this;
  }
  // True while a row is there to read.
  bool step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    throw JournalError(std::string("the journal cannot be written: ") + sqlite3_errmsg(database_));
  }
  std::int64_t number(int column) const { return sqlite3_column_int64(statement_, column); }
  bool isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
  std::string text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    return bytes == nullptr
               ? std::string()
               : std::string(reinterpret_cast<const char*>(bytes),
                             static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
  }

 private:
  sqlite3* database_;
  sqlite3_stmt* statement_ = nullptr;
};

// The search text as a LIKE pattern that matches it anywhere, its wildcards taken literally.
std::string likePattern(std::string_view text) {
  std::string pattern = "%";
  for (const char c : text) {
    if (c == '%' || c == '_' || c == '\\') pattern += '\\';
    pattern += c;
  }
  return pattern + "%";
}

}  // namespace

Journal::Journal(const std::filesystem::path& file, std::chrono::days retention,
                 Clock::time_point now)
    : retention_(retention) {
  // The journal is the agent's own: made readable by its owner only, never through a link.
  const int descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (descriptor < 0) {
    throw JournalError("the journal " + file.filename().string() + " cannot be opened");
  }
  struct stat status {};
  const bool regular = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
  if (regular) ::fchmod(descriptor, 0600);
  ::close(descriptor);
  if (!regular) throw JournalError("the journal " + file.filename().string() + " is not a file");
  if (sqlite3_open_v2(file.c_str(), &database_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW,
                      nullptr) != SQLITE_OK) {
    const std::string reason = database_ != nullptr ? sqlite3_errmsg(database_) : "no memory";
    sqlite3_close(database_);
    throw JournalError("the journal cannot be opened: " + reason);
  }
  try {
    sqlite3_busy_timeout(database_, 2000);
    execute("PRAGMA journal_mode=WAL");
    execute("PRAGMA synchronous=NORMAL");
    execute(
        "CREATE TABLE IF NOT EXISTS entries ("
        " id INTEGER PRIMARY KEY,"
        " at INTEGER NOT NULL,"  // milliseconds since 1970, UTC
        " time TEXT NOT NULL,"
        " event TEXT NOT NULL,"
        " mask TEXT NOT NULL,"
        " instance TEXT NOT NULL,"
        " command TEXT NOT NULL,"
        " answer TEXT)");
    execute("CREATE INDEX IF NOT EXISTS entries_at ON entries(at)");
    prune(now);
  } catch (...) {
    sqlite3_close(database_);
    throw;
  }
}

Journal::~Journal() {
  sqlite3_close(database_);
}

void Journal::execute(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(database_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
    const std::string reason = message != nullptr ? message : sqlite3_errmsg(database_);
    sqlite3_free(message);
    throw JournalError("the journal cannot be used: " + reason);
  }
}

std::int64_t Journal::add(std::string_view event, std::string_view maskClass,
                          std::string_view instance, std::string_view command,
                          Clock::time_point when) {
  const std::lock_guard lock(mutex_);
  Statement insert(database_,
                   "INSERT INTO entries (at, time, event, mask, instance, command) "
                   "VALUES (?, ?, ?, ?, ?, ?)");
  insert.bind(1, millisecondsOf(when))
      .bind(2, isoTime(when))
      .bind(3, event)
      .bind(4, maskClass)
      .bind(5, instance)
      .bind(6, command)
      .step();
  return sqlite3_last_insert_rowid(database_);
}

void Journal::setAnswer(std::int64_t id, std::string_view answer) {
  const std::lock_guard lock(mutex_);
  Statement update(database_, "UPDATE entries SET answer = ? WHERE id = ?");
  update.bind(1, answer).bind(2, id).step();
}

std::vector<JournalEntry> Journal::newest(std::string_view search, std::size_t limit) const {
  const std::lock_guard lock(mutex_);
  Statement select(database_,
                   "SELECT id, time, event, mask, instance, command, answer FROM entries "
                   "WHERE ?1 = '' OR command LIKE ?2 ESCAPE '\\' OR mask LIKE ?2 ESCAPE '\\' "
                   "OR answer LIKE ?2 ESCAPE '\\' "
                   "ORDER BY at DESC, id DESC LIMIT ?3");
  select.bind(1, search)
      .bind(2, likePattern(search))
      .bind(3, static_cast<std::int64_t>(std::min(limit, kLongestListing)));
  std::vector<JournalEntry> entries;
  while (select.step()) {
    JournalEntry entry{select.number(0), select.text(1), select.text(2), select.text(3),
                       select.text(4),   select.text(5), std::nullopt};
    if (!select.isNull(6)) entry.answer = select.text(6);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::size_t Journal::prune(Clock::time_point now) {
  const std::lock_guard lock(mutex_);
  Statement remove(database_, "DELETE FROM entries WHERE at < ?");
  remove.bind(1, millisecondsOf(now - retention_)).step();
  return static_cast<std::size_t>(sqlite3_changes(database_));
}

std::chrono::days journalRetention(std::string_view setting) {
  int days = 0;
  const auto [end, error] = std::from_chars(setting.data(), setting.data() + setting.size(), days);
  if (error != std::errc() || end != setting.data() + setting.size() || days < 1 || days > 36500) {
    throw JournalError("the journal's retention is a whole number of days from 1 to 36500, not \"" +
                       std::string(setting) + "\"");
  }
  return std::chrono::days(days);
}

nlohmann::json journalJson(const Journal& journal, std::string_view query, std::string_view limit) {
  std::size_t count = Journal::kDefaultListing;
  if (!limit.empty()) {
    std::size_t parsed = 0;
    const auto [end, error] = std::from_chars(limit.data(), limit.data() + limit.size(), parsed);
    if (error != std::errc() || end != limit.data() + limit.size() || parsed < 1 ||
        parsed > Journal::kLongestListing) {
      throw WebRequestError(
          400, "limit is a whole number from 1 to " + std::to_string(Journal::kLongestListing));
    }
    count = parsed;
  }
  nlohmann::json entries = nlohmann::json::array();
  for (const JournalEntry& entry : journal.newest(query, count)) {
    entries.push_back(
        {{"id", entry.id},
         {"time", entry.time},
         {"event", entry.event},
         {"mask", entry.maskClass},
         {"instance", entry.instance},
         {"command", entry.command},
         {"answer", entry.answer ? nlohmann::json(*entry.answer) : nlohmann::json()}});
  }
  return {{"entries", std::move(entries)}};
}

}  // namespace desk
