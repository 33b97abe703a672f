#pragma once
// The language a mask reads: the code the whiteboard's User/LANG answers it with, and the
// table LANG_getString takes its texts from once it has loaded one. The desk has one of each
// for every mask; a container that hosts masks in different languages at once gives each mask
// a scope of its own and makes it current while that mask runs, so that no mask reads another
// one's texts and no mask's own language changes the desk's.

#include <memory>
#include <optional>
#include <string>

namespace desk {

class LanguageScope {
 public:
  // code: the language the mask reads in place of the whiteboard's; none: the whiteboard's.
  explicit LanguageScope(std::optional<std::string> code = {});
  ~LanguageScope();
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;

  const std::optional<std::string>& code() const { return code_; }

  // What LANG_load chose in this scope (defined by the language tables).
  struct Loaded;
  Loaded& loaded() { return *loaded_; }

 private:
  std::optional<std::string> code_;
  std::unique_ptr<Loaded> loaded_;
};

// Makes scope current (null: the desk's own) while it lives; the one before comes back then.
class CurrentLanguageScope {
 public:
  explicit CurrentLanguageScope(LanguageScope* scope);
  ~CurrentLanguageScope();
  CurrentLanguageScope(const CurrentLanguageScope&) = delete;
  CurrentLanguageScope& operator=(const CurrentLanguageScope&) = delete;

  // The current scope, or null.
  static LanguageScope* current();

 private:
  LanguageScope* previous_;
};

// The language the whiteboard answers for User/LANG in the current scope, when the scope has
// one of its own.
std::optional<std::string> scopedLanguage();

}  // namespace desk
