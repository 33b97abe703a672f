// Handles on windows: a handle kept after its window was destroyed finds nothing, even when a
// new window was made at the very same address; so do the tooltip and the posted messages
// that keep such handles.

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <new>

#include "platform/window/Desktop.h"
#include "platform/window/ToolTip.h"
#include "platform/window/WindowRef.h"

namespace platform::test {
namespace {

constexpr UINT kProbe = WM_APP + 7;

// Storage in which windows are made one after another, so that each new window takes the
// address of the one destroyed before it.
class ReusedStorage {
 public:
  ~ReusedStorage() { destroy(); }
  Window& make(const char* text) {
    destroy();
    window_ = new (storage_) Window(WindowClass::Edit, 1, text, WS_VISIBLE, Rect{});
    return *window_;
  }
  void destroy() {
    if (window_ != nullptr) window_->~Window();
    window_ = nullptr;
  }

 private:
  alignas(Window) std::byte storage_[sizeof(Window)];
  Window* window_ = nullptr;
};

TEST(WindowRefTest, AHandleOutlivesItsWindowAndMissesTheNextAtTheSameAddress) {
  EXPECT_EQ(WindowRef().get(), nullptr);

  ReusedStorage storage;
  Window& first = storage.make("first");
  const WindowRef toFirst(first);
  EXPECT_EQ(toFirst.get(), &first);

  storage.destroy();
  EXPECT_EQ(toFirst.get(), nullptr);

  Window& second = storage.make("second");
  ASSERT_EQ(&second, &first);
  EXPECT_EQ(toFirst.get(), nullptr);
  EXPECT_EQ(WindowRef(second).get(), &second);
}

TEST(WindowRefTest, AHandleOnAChildGoesWithItsParent) {
  auto dialog = std::make_unique<Window>(WindowClass::Dialog, 0, "", WS_VISIBLE, Rect{});
  Window& edit =
      dialog->addChild(std::make_unique<Window>(WindowClass::Edit, 10, "", WS_VISIBLE, Rect{}));
  const WindowRef toEdit(edit);
  dialog.reset();
  EXPECT_EQ(toEdit.get(), nullptr);
}

TEST(WindowRefTest, ATooltipLeavesAloneTheWindowThatTookItsToolsAddress) {
  ReusedStorage storage;
  Window* other = nullptr;
  {
    ToolTip toolTip;
    toolTip.activate(true);
    Window& tool = storage.make("tool");
    toolTip.addTool(tool, "Departure date");
    EXPECT_EQ(tool.toolTip(), "Departure date");

    other = &storage.make("other");
    ASSERT_EQ(other, &tool);
    other->setToolTip("Own tip");
    toolTip.activate(false);
    EXPECT_EQ(other->toolTip(), "Own tip");
  }
  EXPECT_EQ(other->toolTip(), "Own tip");
}

TEST(WindowRefTest, AMessagePostedToAGoneWindowReachesNoOtherAtItsAddress) {
  ReusedStorage storage;
  storage.make("first").post(kProbe);
  Window& second = storage.make("second");
  int received = 0;
  second.attachHandler([&received](const Message& message, LRESULT&) {
    if (message.code == kProbe) ++received;
    return false;
  });
  desktop().pumpMessages();
  EXPECT_EQ(received, 0);
}

}  // namespace
}  // namespace platform::test
