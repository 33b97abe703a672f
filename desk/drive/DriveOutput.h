#pragma once
// The drive container's output: one JSON object a line, UTF-8, flushed as it happens. It is
// the container's listener, so that what the mask does is printed in the order it happens.

#include <ostream>

#include <nlohmann/json_fwd.hpp>

#include "desk/container/ContainerListener.h"

namespace desk {

using JsonLine = nlohmann::ordered_json;

class DriveOutput final : public ContainerListener {
 public:
  explicit DriveOutput(std::ostream& stream) : stream_(stream) {}
  void write(const JsonLine& line);

  void eventFired(std::string_view name, const std::vector<std::string>& arguments) override;
  void messageBoxShown(const MessageBoxRequest& box) override;
  void messageBoxClosed(const MessageBoxRequest& box, int button) override;
  void modalDialogOpened(DialogKind kind) override;
  void modalDialogClosed(DialogKind kind, const std::optional<ModalAnswer>& answer) override;
  void shellOpened(std::string_view target) override;
  void logged(const LogLine& line) override;
  void requested(std::string_view name) override;
  void callReturned(const CallResult& call) override;

 private:
  std::ostream& stream_;
};

}  // namespace desk
