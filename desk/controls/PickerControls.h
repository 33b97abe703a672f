#pragma once
// The outside controls the picker dialogs host: the month calendar ("Month") and the code
// lookup ("Coder"). A dialog creates one by its class name, listens to its events and reads
// its result; the container reaches the same control to let the agent answer (the drive from
// its script, the web desk from the page).
//
// Month: properties 1 Day, 2 Month, 3 Year (the chosen date); events 1 (cancelled) and 2 (a
// date was chosen).
// Coder: method 1 takes the code table's name and loads it (a table that offers nothing is
// reported by event 3 with a status text); events 2 (description, code: an entry was chosen),
// 3 (status text) and 4 (closed without a choice).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/controls/CodeList.h"
#include "desk/controls/MonthCalendar.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/com/EventSinks.h"
#include "platform/com/Interfaces.h"

namespace desk {

inline constexpr std::string_view kMonthControlClass = "Month";
inline constexpr std::string_view kCoderControlClass = "Coder";

// Registers both classes with the platform, so that the picker dialogs find them.
void registerPickerControls();

// What the agent answered a picker with, given to its control: a calendar's day, month and
// year (numbers), or a code lookup's code and description (Latin-1); nothing when the agent
// cancelled. A date that does not exist, or a lookup whose table offers nothing, cancels.
void answerPicker(IDispatch& control, const std::optional<std::vector<std::string>>& words);

// A control with an event connection point; it fires its events to every connected sink.
class OutsideControl
    : public platform::ComObject<IDispatch, IConnectionPointContainer, IConnectionPoint> {
 public:
  // The controls alive now, oldest first: a container reaches through them the controls of
  // dialogs that a mask keeps out of sight between their showings.
  static const std::vector<OutsideControl*>& live();

  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  HRESULT GetConnectionInterface(IID* iid) override;
  HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT Unadvise(DWORD cookie) override;

 protected:
  OutsideControl();
  ~OutsideControl() override;
  // The control's own interface, answered by QueryInterface for the containers.
  virtual const IID& ownIid() const = 0;
  void fire(DISPID event, const std::vector<std::string>& arguments = {});

 private:
  void* otherInterface(REFIID iid) override;

  platform::EventSinks sinks_;
};

class MonthControl final : public OutsideControl {
 public:
  static const IID kIid;
  static ComPtr<IDispatch> create();
  // The month control behind a hosted control's interface, or null.
  static MonthControl* of(IDispatch& control);

  HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

  // What the agent does: chooses a date that exists (false otherwise, nothing fired), or
  // cancels.
  bool choose(const CalendarDate& date);
  void cancel();
  const std::optional<CalendarDate>& chosen() const { return chosen_; }

 private:
  const IID& ownIid() const override { return kIid; }
  std::optional<CalendarDate> chosen_;
};

class CoderControl final : public OutsideControl {
 public:
  static const IID kIid;
  static ComPtr<IDispatch> create();
  static CoderControl* of(IDispatch& control);

  HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

  // Loads the named table (a relative name starts at the desk home); reports a table that
  // offers nothing with event 3.
  void setTable(std::string_view name);
  const CodeList& table() const { return table_; }
  // What the agent does: chooses an entry (false when the table offers none, nothing fired),
  // or closes the lookup.
  bool choose(std::string_view code, std::string_view description);
  void close();

 private:
  const IID& ownIid() const override { return kIid; }
  CodeList table_;
};

}  // namespace desk
