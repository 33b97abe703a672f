#pragma once
// What the module's unit tests share: a fresh desk home with the key language (every text
// reads as its key), a container that records the message boxes and shell requests instead
// of showing them, and a small dialog of label and edit pairs for fields to bind to.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "desk/home/DeskHome.h"
#include "framework/services/TorvanArch.h"
#include "platform/window/Desktop.h"
#include "platform/window/DialogTemplate.h"
#include "tests/unit/desk/TempHome.h"

namespace module::test {

// The built module, in the library folder beside the test's own folder.
inline std::filesystem::path builtModulePath() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / ".." / "lib" /
         "libquillet.so";
}
// Loaded once for the whole run and never unloaded, as a container keeps it; null when the
// module is not built.
inline void* builtModule() {
  static void* handle = std::filesystem::exists(builtModulePath())
                            ? ::dlopen(builtModulePath().c_str(), RTLD_NOW | RTLD_LOCAL)
                            : nullptr;
  return handle;
}

// A desk home made for one test, filled with the defaults, and removed after it.
class TempDeskHome : public desk::test::TempHome {
 public:
  TempDeskHome() { desk::prepareHome(folder()); }
};

struct MessageBoxCall {
  platform::Window* owner;
  std::string text;
  std::string caption;
  UINT style;
};

class RecordingContainer : public platform::ContainerServices {
 public:
  int messageBox(platform::Window* owner, std::string_view text, std::string_view caption,
                 UINT style) override {
    boxes.push_back({owner, std::string(text), std::string(caption), style});
    return platform::IDOK;
  }
  std::optional<std::vector<std::string>> modalDialog(std::string_view,
                                                      platform::Window*) override {
    return std::nullopt;
  }
  void shellOpen(std::string_view target) override { opened.emplace_back(target); }

  std::vector<MessageBoxCall> boxes;
  std::vector<std::string> opened;
};

// Five label and edit pairs: label 10 with edit 11, label 20 with edit 21, and so on.
inline constexpr int kLabel1 = 10, kEdit1 = 11, kLabel2 = 20, kEdit2 = 21, kLabel3 = 30,
                     kEdit3 = 31;
inline constexpr std::string_view kTemplateLabel = "Template label";

inline constexpr DWORD kFieldEditStyle = platform::ES_UPPERCASE | platform::ES_AUTOHSCROLL |
                                         platform::WS_BORDER | platform::WS_TABSTOP |
                                         platform::WS_VISIBLE;

// The label of a row (0 to 4) and the edit beside it.
constexpr platform::ControlTemplate rowLabel(int row) {
  using platform::WindowClass;
  constexpr DWORD style = platform::SS_LEFT | platform::WS_VISIBLE;
  return {(row + 1) * 10, WindowClass::Static, kTemplateLabel, style, 7, 10 + 16 * row, 62, 8};
}
constexpr platform::ControlTemplate rowEdit(int row) {
  using platform::WindowClass;
  return {(row + 1) * 10 + 1, WindowClass::Edit, "", kFieldEditStyle, 72, 8 + 16 * row, 150, 12};
}

inline constexpr std::array<platform::ControlTemplate, 10> kFieldControls{
    rowLabel(0), rowEdit(0),  rowLabel(1), rowEdit(1),  rowLabel(2),
    rowEdit(2),  rowLabel(3), rowEdit(3),  rowLabel(4), rowEdit(4)};

inline constexpr DWORD kFieldDialogStyle = platform::WS_CHILD | platform::DS_SETFONT;
inline constexpr platform::DialogTemplate kFieldDialog{
    990, "", 240, 100, kFieldDialogStyle, "MS Sans Serif", 8, kFieldControls};

// Controls at a row (0 to 11) of a dialog that a test lays out itself: labels at the left,
// value controls beside them.
constexpr platform::ControlTemplate labelAt(int id, int row) {
  return {id,
          platform::WindowClass::Static,
          kTemplateLabel,
          platform::SS_LEFT | platform::WS_VISIBLE,
          7,
          10 + 16 * row,
          62,
          8};
}
constexpr platform::ControlTemplate editAt(int id, int row) {
  return {id, platform::WindowClass::Edit, "", kFieldEditStyle, 72, 8 + 16 * row, 150, 12};
}
// An editable drop-down combo box.
constexpr platform::ControlTemplate comboAt(int id, int row) {
  return {
      id,
      platform::WindowClass::ComboBox,
      "",
      platform::CBS_DROPDOWN | platform::CBS_UPPERCASE | platform::WS_TABSTOP | platform::WS_VISIBLE,
      72,
      8 + 16 * row,
      150,
      60};
}
constexpr platform::ControlTemplate checkBoxAt(int id, int row) {
  return {id,      platform::WindowClass::Button,
          "Check", platform::BS_AUTOCHECKBOX | platform::WS_TABSTOP | platform::WS_VISIBLE,
          72,      8 + 16 * row,
          150,     10};
}

// What a label answers to the colour request the dialog reflects to it.
struct LabelPaint {
  bool answered;
  platform::COLORREF text;
  platform::COLORREF background;
  platform::HBRUSH brush;
};

inline LabelPaint paintOf(platform::Window& label) {
  platform::DeviceContext context{0x123456, 0x654321};
  const platform::LRESULT brush =
      label.send(platform::OCM_CTLCOLORSTATIC, reinterpret_cast<platform::WPARAM>(&context),
                 reinterpret_cast<platform::LPARAM>(&label));
  return {brush != 0, context.textColour, context.backgroundColour,
          reinterpret_cast<platform::HBRUSH>(brush)};
}

// A desk home, the key language and a recording container, with a fresh field dialog.
class FieldTest : public testing::Test {
 protected:
  void SetUp() override {
    home_ = std::make_unique<TempDeskHome>();
    LANG_load("KEY");
    platform::desktop().setContainer(&container_);
    dialog_ = platform::buildDialog(kFieldDialog, nullptr);
  }
  void TearDown() override {
    dialog_.reset();
    platform::desktop().setContainer(nullptr);
    LANG_unload();
    home_.reset();
  }

  // A new dialog and no boxes yet, for the next case of a table.
  void freshDialog() {
    dialog_ = platform::buildDialog(kFieldDialog, nullptr);
    container_.boxes.clear();
  }
  // A new dialog of the test's own controls and no boxes yet.
  void freshDialog(std::span<const platform::ControlTemplate> controls) {
    const platform::DialogTemplate shape{991, "",      400, 220, kFieldDialogStyle, "MS Sans Serif",
                                         8,   controls};
    dialog_ = platform::buildDialog(shape, nullptr);
    container_.boxes.clear();
  }
  platform::Window& control(int id) const {
    platform::Window* found = dialog_->child(id);
    if (found == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return *found;
  }

  // Checks that exactly one fault was reported with the key and the caption, and that the
  // focus is on the faulty control.
  void expectReported(std::string_view key, int editId,
                      std::string_view caption = "PNR Creation Information") const {
    ASSERT_EQ(container_.boxes.size(), 1u) << "expected one message box for " << key;
    const MessageBoxCall& box = container_.boxes.front();
    EXPECT_EQ(box.text, key);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.style, platform::MB_ICONHAND);
    EXPECT_EQ(box.owner, dialog_.get());
    EXPECT_EQ(platform::desktop().focus(), &control(editId));
  }
  // A validator's verdict: accepted without a message box when fault is empty; otherwise
  // refused with that one fault reported on faultyEdit and, when selectedAt is not -1, the
  // character at selectedAt selected.
  void expectVerdict(int accepted, std::string_view fault, int faultyEdit, std::string_view caption,
                     int selectedAt = -1) const {
    if (fault.empty()) {
      EXPECT_EQ(accepted, 1);
      EXPECT_TRUE(container_.boxes.empty());
      return;
    }
    EXPECT_EQ(accepted, 0);
    expectReported(fault, faultyEdit, caption);
    if (selectedAt >= 0) expectSelected(faultyEdit, selectedAt, selectedAt + 1);
  }
  void expectSelected(int editId, int start, int end) const {
    const platform::TextSelection selection = control(editId).selection();
    EXPECT_EQ(selection.start, start);
    EXPECT_EQ(selection.end, end);
  }

  std::unique_ptr<TempDeskHome> home_;
  RecordingContainer container_;
  std::unique_ptr<platform::Window> dialog_;
};

}  // namespace module::test
