#pragma once
// A mask's fields, declared once: each with the arguments that bind it to its dialog controls
// and the whiteboard key its value is kept under. Binding, saving, loading and clearing walk
// the declarations in order; the order of declaration is the order of saving.
//
// A field is any class with Create(dialog, arguments...) and Clear(); a field kept on the
// whiteboard has Save(profile, key) and Load(profile, key), or, when it keeps several values
// under keys of its own, Save(profile) and Load(profile). A field declared with an empty key
// is not kept.

#include <memory>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/services/CTorvanProfile.h"
#include "platform/window/Window.h"

namespace framework {

class FieldTable {
 public:
  template <class Field, class... CreateArguments>
  void declare(Field& field, std::string_view key, CreateArguments... arguments) {
    entries_.push_back(
        std::make_unique<Entry<Field, CreateArguments...>>(field, key, std::move(arguments)...));
  }

  void Bind(platform::Window& dialog) const {
    for (const auto& entry : entries_) entry->bind(dialog);
  }
  void Save(CTorvanProfile& profile) const {
    for (const auto& entry : entries_) entry->save(profile);
  }
  void Load(CTorvanProfile& profile) const {
    for (const auto& entry : entries_) entry->load(profile);
  }
  void Clear() const {
    for (const auto& entry : entries_) entry->clear();
  }

 private:
  struct Declaration {
    virtual ~Declaration() = default;
    virtual void bind(platform::Window& dialog) = 0;
    virtual void save(CTorvanProfile& profile) = 0;
    virtual void load(CTorvanProfile& profile) = 0;
    virtual void clear() = 0;
  };

  template <class Field, class... CreateArguments>
  struct Entry final : Declaration {
    Entry(Field& declared, std::string_view whiteboardKey, CreateArguments... createArguments)
        : field(declared), key(whiteboardKey), arguments(std::move(createArguments)...) {}

    void bind(platform::Window& dialog) override {
      std::apply([&](const auto&... each) { field.Create(dialog, each...); }, arguments);
    }
    void save(CTorvanProfile& profile) override {
      if constexpr (requires { field.Save(profile); }) {
        field.Save(profile);
      } else if (!key.empty()) {
        field.Save(profile, key);
      }
    }
    void load(CTorvanProfile& profile) override {
      if constexpr (requires { field.Load(profile); }) {
        field.Load(profile);
      } else if (!key.empty()) {
        field.Load(profile, key);
      }
    }
    void clear() override { field.Clear(); }

    Field& field;
    std::string_view key;
    std::tuple<CreateArguments...> arguments;
  };

  std::vector<std::unique_ptr<Declaration>> entries_;
};

}  // namespace framework
