#include "desk/drive/DriveOutput.h"

#include <nlohmann/json.hpp>

namespace desk {

void DriveOutput::write(const JsonLine& line) {
  stream_ << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  stream_.flush();
}

void DriveOutput::eventFired(std::string_view name, const std::vector<std::string>& arguments) {
  write({{"event", name}, {"args", arguments}});
}

void DriveOutput::messageBoxShown(const MessageBoxRequest& box) {
  write({{"msgbox", {{"text", box.text}, {"caption", box.caption}, {"style", box.style}}}});
}

void DriveOutput::messageBoxClosed(const MessageBoxRequest&, int) {}

void DriveOutput::modalDialogOpened(DialogKind kind) {
  write({{"dialog", dialogKindName(kind)}});
}

void DriveOutput::modalDialogClosed(DialogKind kind, const std::optional<ModalAnswer>& answer) {
  if (!answer) write({{"unanswered", dialogKindName(kind)}});
}

void DriveOutput::shellOpened(std::string_view target) {
  write({{"open", target}});
}

void DriveOutput::logged(const LogLine& line) {
  write({{"log", {{"module", line.module}, {"operation", line.operation}, {"text", line.text}}}});
}

void DriveOutput::requested(std::string_view name) {
  write({{"request", name}});
}

void DriveOutput::callReturned(const CallResult& call) {
  if (call.value) write({{"lang", *call.value}});  // Lang is the only property the drive reads
  if (call.result != S_OK) write({{"result", hresultToString(call.result)}});
}

}  // namespace desk
