#pragma once
// A mask's fields, declared once: each with the arguments that bind it to its dialog controls
// and the whiteboard key its value is kept under. Binding, saving, loading and clearing walk
// the declarations in order; the order of declaration is the order of saving.
//
// A field is any class with Create(dialog, arguments...) and Clear(); a field kept on the
// whiteboard has Save(profile, key) and Load(profile, key), or Save(profile, first, second)
// and Load(profile, first, second) for one declared with a KeyPair, or, when it keeps several
// values under keys of its own, Save(profile) and Load(profile). A field declared with an
// empty key is not kept. Keys are copied into the table, so a computed key (a row's) may be a
// temporary.
//
// Besides fields, a table holds a mask's own values kept beside them (declareValue), pieces
// with their own save, load and clear (declareKept), and rules run at their place when the
// fields are loaded and cleared (declareRule), so that a rule follows the fields it reads.
//
// declare returns the declaration, whose options chain:
//   fields().declare(age_, "AGE", ids::kAge).savedEmptyWhenDisabled();

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/services/CTorvanProfile.h"
#include "platform/window/Window.h"

namespace framework {

// The two keys of a field that keeps two values (a surname and a given name).
struct KeyPair {
  std::string first;
  std::string second;
};

class FieldTable {
 public:
  class Declaration {
   public:
    virtual ~Declaration() = default;

    // While the field is disabled, its keys are written empty. For fields kept under the
    // keys of their declaration, with IsEnabled() or an edit window.
    Declaration& savedEmptyWhenDisabled() {
      if (!tellsEnabled()) throw std::logic_error("field cannot tell whether it is enabled");
      return savedEmptyUnless([this] { return isEnabled(); });
    }
    // While kept() is false, the field's keys are written empty.
    Declaration& savedEmptyUnless(std::function<bool()> kept) {
      if (keys().empty()) throw std::logic_error("field has no keys to write empty");
      emptyUnless_ = std::move(kept);
      return *this;
    }
    // While kept() is false, nothing is written: the keys keep what they hold.
    Declaration& savedOnlyWhen(std::function<bool()> kept) {
      savedWhen_ = std::move(kept);
      return *this;
    }
    // While kept() is false, loading leaves the field as it is.
    Declaration& loadedOnlyWhen(std::function<bool()> kept) {
      loadedWhen_ = std::move(kept);
      return *this;
    }

   private:
    friend class FieldTable;

    virtual void bind(platform::Window&) {}
    virtual void save(CTorvanProfile& profile) = 0;
    virtual void load(CTorvanProfile& profile) = 0;
    virtual void clear() = 0;
    virtual std::vector<std::string_view> keys() const { return {}; }
    virtual bool tellsEnabled() const { return false; }
    virtual bool isEnabled() const { return true; }

    void write(CTorvanProfile& profile) {
      if (savedWhen_ && !savedWhen_()) return;
      if (emptyUnless_ && !emptyUnless_()) {
        for (std::string_view key : keys()) {
          profile.setKeyName(key);
          profile.setValue("");
        }
        return;
      }
      save(profile);
    }
    void read(CTorvanProfile& profile) {
      if (!loadedWhen_ || loadedWhen_()) load(profile);
    }

    std::function<bool()> savedWhen_;
    std::function<bool()> loadedWhen_;
    std::function<bool()> emptyUnless_;
  };

  template <class Field, class... CreateArguments>
  Declaration& declare(Field& field, std::string_view key, CreateArguments... arguments) {
    if (key.empty()) {
      return add<FieldEntry<Field, 0, CreateArguments...>>(field, std::array<std::string, 0>{},
                                                           std::move(arguments)...);
    }
    return add<FieldEntry<Field, 1, CreateArguments...>>(
        field, std::array<std::string, 1>{std::string(key)}, std::move(arguments)...);
  }
  template <class Field, class... CreateArguments>
  Declaration& declare(Field& field, KeyPair keys, CreateArguments... arguments) {
    return add<FieldEntry<Field, 2, CreateArguments...>>(
        field, std::array<std::string, 2>{std::move(keys.first), std::move(keys.second)},
        std::move(arguments)...);
  }

  // A value of the mask's own kept under the key: saved as it is, loaded, emptied by Clear.
  Declaration& declareValue(std::string& value, std::string_view key) {
    return add<ValueEntry>(value, std::string(key));
  }
  // A piece with its own keys: save and load reach the profile, clear empties the piece.
  Declaration& declareKept(std::function<void(CTorvanProfile&)> save,
                           std::function<void(CTorvanProfile&)> load, std::function<void()> clear) {
    return add<KeptEntry>(std::move(save), std::move(load), std::move(clear));
  }
  // A rule run at its place, after the declarations before it, when loading and clearing.
  void declareRule(std::function<void()> rule) { add<RuleEntry>(std::move(rule)); }

  void Bind(platform::Window& dialog) const {
    for (const auto& entry : entries_) entry->bind(dialog);
  }
  void Save(CTorvanProfile& profile) const {
    for (const auto& entry : entries_) entry->write(profile);
  }
  void Load(CTorvanProfile& profile) const {
    for (const auto& entry : entries_) entry->read(profile);
  }
  void Clear() const {
    for (const auto& entry : entries_) entry->clear();
  }

 private:
  template <class Entry, class... Arguments>
  Declaration& add(Arguments&&... arguments) {
    entries_.push_back(std::make_unique<Entry>(std::forward<Arguments>(arguments)...));
    return *entries_.back();
  }

  template <class Field, std::size_t KeyCount, class... CreateArguments>
  struct FieldEntry final : Declaration {
    FieldEntry(Field& declared, std::array<std::string, KeyCount> whiteboardKeys,
               CreateArguments... createArguments)
        : field(declared),
          keyNames(std::move(whiteboardKeys)),
          arguments(std::move(createArguments)...) {}

    void bind(platform::Window& dialog) override {
      std::apply([&](const auto&... each) { field.Create(dialog, each...); }, arguments);
    }
    // A field with keys of its own saves under them whatever its declaration's key.
    void save(CTorvanProfile& profile) override {
      if constexpr (requires { field.Save(profile); }) {
        field.Save(profile);
      } else if constexpr (KeyCount > 0) {
        std::apply([&](const auto&... key) { field.Save(profile, key...); }, keyNames);
      }
    }
    void load(CTorvanProfile& profile) override {
      if constexpr (requires { field.Load(profile); }) {
        field.Load(profile);
      } else if constexpr (KeyCount > 0) {
        std::apply([&](const auto&... key) { field.Load(profile, key...); }, keyNames);
      }
    }
    void clear() override { field.Clear(); }
    std::vector<std::string_view> keys() const override {
      if constexpr (requires(CTorvanProfile & profile) { field.Save(profile); }) return {};
      return std::apply([](const auto&... key) { return std::vector<std::string_view>{key...}; },
                        keyNames);
    }
    bool tellsEnabled() const override {
      return requires {
        field.IsEnabled();
      }
      || requires {
        field.EditWindow();
      };
    }
    bool isEnabled() const override {
      if constexpr (requires { field.IsEnabled(); }) {
        return field.IsEnabled();
      } else if constexpr (requires { field.EditWindow(); }) {
        return field.EditWindow() != nullptr && field.EditWindow()->isEnabled();
      } else {
        return true;
      }
    }

    Field& field;
    std::array<std::string, KeyCount> keyNames;
    std::tuple<CreateArguments...> arguments;
  };

  struct ValueEntry final : Declaration {
    ValueEntry(std::string& kept, std::string whiteboardKey)
        : value(kept), key(std::move(whiteboardKey)) {}
    void save(CTorvanProfile& profile) override {
      profile.setKeyName(key);
      profile.setValue(value);
    }
    void load(CTorvanProfile& profile) override {
      profile.setKeyName(key);
      profile.getValue(value, "", kLoadBuffer);
    }
    void clear() override { value.clear(); }
    std::vector<std::string_view> keys() const override { return {key}; }

    static constexpr std::size_t kLoadBuffer = 1024;  // 1023 characters
    std::string& value;
    std::string key;
  };

  struct KeptEntry final : Declaration {
    KeptEntry(std::function<void(CTorvanProfile&)> saver,
              std::function<void(CTorvanProfile&)> loader, std::function<void()> clearer)
        : saveKept(std::move(saver)), loadKept(std::move(loader)), clearKept(std::move(clearer)) {}
    void save(CTorvanProfile& profile) override { saveKept(profile); }
    void load(CTorvanProfile& profile) override { loadKept(profile); }
    void clear() override { clearKept(); }

    std::function<void(CTorvanProfile&)> saveKept;
    std::function<void(CTorvanProfile&)> loadKept;
    std::function<void()> clearKept;
  };

  struct RuleEntry final : Declaration {
    explicit RuleEntry(std::function<void()> applied) : rule(std::move(applied)) {}
    void save(CTorvanProfile&) override {}
    void load(CTorvanProfile&) override { rule(); }
    void clear() override { rule(); }

    std::function<void()> rule;
  };

  std::vector<std::unique_ptr<Declaration>> entries_;
};

}  // namespace framework
