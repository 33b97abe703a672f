#include "desk/controls/PickerControls.h"

#include <charconv>

#include "desk/home/DeskHome.h"
#include "platform/com/OutsideControls.h"

namespace desk {
namespace {

// Members of the month control.
constexpr DISPID kDay = 1;
constexpr DISPID kMonth = 2;
constexpr DISPID kYear = 3;
constexpr DISPID kCalendarCancelled = 1;
constexpr DISPID kDateChosen = 2;

// Members of the code lookup control.
constexpr DISPID kSetTable = 1;
constexpr DISPID kCodeChosen = 2;
constexpr DISPID kStatus = 3;
constexpr DISPID kLookupClosed = 4;

// The string argument at position index (0 the first) of an automation call.
const VARIANT* argument(const DISPPARAMS* params, UINT index) {
  if (params == nullptr || index >= params->cArgs) return nullptr;
  return &params->rgvarg[params->cArgs - 1 - index];
}

}  // namespace

void registerPickerControls() {
  platform::registerOutsideControl(kMonthControlClass, &MonthControl::create);
  platform::registerOutsideControl(kCoderControlClass, &CoderControl::create);
}

void answerPicker(IDispatch& control, const std::optional<std::vector<std::string>>& words) {
  if (MonthControl* calendar = MonthControl::of(control)) {
    const auto number = [&](std::size_t index) {
      int value = 0;
      const std::string& word = (*words)[index];
      const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
      return error == std::errc() && end == word.data() + word.size() ? value : 0;
    };
    if (words && words->size() == 3 && calendar->choose({number(0), number(1), number(2)})) {
      return;
    }
    calendar->cancel();
  } else if (CoderControl* lookup = CoderControl::of(control)) {
    if (words && words->size() == 2 && lookup->choose((*words)[0], (*words)[1])) return;
    lookup->close();
  }
}

// OutsideControl

namespace {
std::vector<OutsideControl*>& liveControls() {
  static std::vector<OutsideControl*> controls;
  return controls;
}
}  // namespace

OutsideControl::OutsideControl() {
  liveControls().push_back(this);
}

OutsideControl::~OutsideControl() {
  std::erase(liveControls(), this);
}

const std::vector<OutsideControl*>& OutsideControl::live() {
  return liveControls();
}

void* OutsideControl::otherInterface(REFIID iid) {
  return iid == ownIid() ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT OutsideControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (point == nullptr) return E_POINTER;
  *point = nullptr;
  if (iid != IID_IDispatch && iid != ownIid()) return CONNECT_E_NOCONNECTION;
  *point = this;
  AddRef();
  return S_OK;
}

HRESULT OutsideControl::GetConnectionInterface(IID* iid) {
  if (iid == nullptr) return E_POINTER;
  *iid = IID_IDispatch;
  return S_OK;
}

HRESULT OutsideControl::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (container == nullptr) return E_POINTER;
  *container = this;
  AddRef();
  return S_OK;
}

HRESULT OutsideControl::Advise(IUnknown* sink, DWORD* cookie) {
  return sinks_.advise(sink, IID_IDispatch, cookie);
}

HRESULT OutsideControl::Unadvise(DWORD cookie) {
  return sinks_.unadvise(cookie);
}

void OutsideControl::fire(DISPID event, const std::vector<std::string>& arguments) {
  // A sink may disconnect (and the dialog release the control) while the event runs.
  ComPtr<IDispatch> self(this);
  sinks_.fire(event, arguments);
}

// MonthControl

const IID MonthControl::kIid{
    0x5A1D3C20, 0x7E41, 0x4B6A, {0x9C, 0x10, 0x2F, 0x61, 0xD4, 0x0B, 0x91, 0x31}};

ComPtr<IDispatch> MonthControl::create() {
  return ComPtr<IDispatch>(new MonthControl);
}

MonthControl* MonthControl::of(IDispatch& control) {
  ComPtr<IDispatch> found;
  if (FAILED(control.QueryInterface(kIid, found.outVoid()))) return nullptr;
  return static_cast<MonthControl*>(found.get());
}

HRESULT MonthControl::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                             EXCEPINFO*, UINT*) {
  if (member < kDay || member > kYear) return DISP_E_MEMBERNOTFOUND;
  if ((flags & DISPATCH_PROPERTYGET) == 0) return DISP_E_MEMBERNOTFOUND;
  if (result == nullptr) return E_POINTER;
  const CalendarDate date = chosen_.value_or(CalendarDate{0, 0, 0});
  result->vt = VT_I2;
  result->iVal = static_cast<std::int16_t>(member == kDay     ? date.day
                                           : member == kMonth ? date.month
                                                              : date.year);
  return S_OK;
}

bool MonthControl::choose(const CalendarDate& date) {
  if (!isCalendarDate(date.day, date.month, date.year)) return false;
  chosen_ = date;
  fire(kDateChosen);
  return true;
}

void MonthControl::cancel() {
  fire(kCalendarCancelled);
}

// CoderControl

const IID CoderControl::kIid{
    0x5A1D3C21, 0x7E41, 0x4B6A, {0x9C, 0x10, 0x2F, 0x61, 0xD4, 0x0B, 0x91, 0x32}};

ComPtr<IDispatch> CoderControl::create() {
  return ComPtr<IDispatch>(new CoderControl);
}

CoderControl* CoderControl::of(IDispatch& control) {
  ComPtr<IDispatch> found;
  if (FAILED(control.QueryInterface(kIid, found.outVoid()))) return nullptr;
  return static_cast<CoderControl*>(found.get());
}

HRESULT CoderControl::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*,
                             EXCEPINFO*, UINT*) {
  if (member != kSetTable || (flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
  const VARIANT* name = argument(params, 0);
  if (name == nullptr || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
  if (name->vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
  setTable(latin1FromBstr(name->bstrVal));
  return S_OK;
}

void CoderControl::setTable(std::string_view name) {
  // A table named without a folder lies in the desk home.
  if (table_.load(name, home()) != CodeListStatus::Loaded) fire(kStatus, {table_.statusText()});
}

bool CoderControl::choose(std::string_view code, std::string_view description) {
  if (table_.entries().empty()) return false;
  fire(kCodeChosen, {std::string(description), std::string(code)});
  return true;
}

void CoderControl::close() {
  fire(kLookupClosed);
}

}  // namespace desk
