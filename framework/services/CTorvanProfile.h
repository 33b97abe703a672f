#pragma once
// INI-style profile store of the desktop. Section and key names compare without regard to
// letter case; values are plain text kept exactly as written.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class CTorvanProfile {
 public:
  CTorvanProfile();
  ~CTorvanProfile();
  CTorvanProfile(const CTorvanProfile&) = delete;
  CTorvanProfile& operator=(const CTorvanProfile&) = delete;

  // "VLwhiteboard.ini" (any letter case) names the desk's whiteboard in the desk home. Any
  // other name is a path as the masks form it: a backslash separates folders, a relative
  // path starts at the current folder.
  void setIniFile(std::string_view name);
  void setSectionName(std::string_view section);
  void setKeyName(std::string_view key);

  // Fills value with the stored text (at most bufferSize - 1 characters) or with the default;
  // non-zero when a stored value was returned.
  int getValue(std::string& value, std::string_view defaultValue, std::size_t bufferSize);
  // Writes the value at once (or at the end of the open batch); non-zero on success.
  int setValue(std::string_view text);

  // Groups the reads and writes made while it lives: the reads see one snapshot of the file
  // (taken when the batch first reads or writes it) with the batch's own writes, and the
  // writes reach the file together when the outermost batch ends, so that another process
  // never sees half of them. A write that fails then is reported on the desk's log.
  class Batch {
   public:
    explicit Batch(CTorvanProfile& profile);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    CTorvanProfile& profile_;
  };

 private:
  struct State;
  std::unique_ptr<State> state_;
};
