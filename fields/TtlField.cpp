#include "fields/TtlField.h"

#include <array>

#include "fields/CField.h"
#include "fields/ScanNumber.h"
#include "framework/HostCommand.h"
#include "framework/WindowText.h"
#include "framework/services/CTorvanValidate.h"

namespace fields {

using namespace platform;

namespace {

constexpr std::array<std::string_view, 3> kTypes{"TAW", "T-A", "T-TK"};

// Where a control of the row goes: pixels from the row origin.
struct Placement {
  int x;
  int width;
};

struct RowLayout {
  bool dateForm;  // the first label is the date's link; otherwise the ticket label shows
  std::string_view firstLabelKey;   // the link's text, from the language table
  std::string_view firstLabelText;  // the link's text when the table has none
  Placement firstEdit;
  int firstLimit;
  std::string_view firstTip;
  std::string_view secondLabelText;
  std::string_view secondTip;  // the second label's; the second edit keeps the queue's
  Placement secondLabel;
  Placement secondEdit;
  int secondLimit;
  bool third;
  Placement thirdLabel;
  Placement thirdEdit;
};

constexpr Placement kFirstLabel{50, 75};
constexpr std::string_view kSegmentTip = "TOOLTIP_PNRTICKETINGTL_SEGMENTNUM";
constexpr std::string_view kQueueTip = "TIP_PNR_QUEUENO";

// By type code 1, 2, 3.
constexpr std::array<RowLayout, 3> kLayouts{{
    {true,
     "LAB_PNR_DATE",
     "Date:",
     {137, 57},
     5,
     "TIP_PNR_DATE",
     "Queue No:",
     "TIP_PNR_QUEUENO",
     {227, 89},
     {326, 40},
     3,
     false,
     {},
     {}},
    {true,
     "LAB_PNR_DATE",
     "Date:",
     {137, 57},
     5,
     "TIP_PNR_DATE",
     "Free text:",
     "TIP_PNR_FREETEXT",
     {227, 89},
     {326, 249},
     20,
     false,
     {},
     {}},
    {false,
     "LAB_PNR_TICKETNO",
     "Ticket #:",
     {137, 137},
     50,
     "TIP_PNR_TICKETNO",
     "Name Select:",
     "TIP_PNR_NAMESELECT",
     {277, 89},
     {376, 69},
     10,
     true,
     {447, 47},
     {496, 79}},
}};
constexpr int kThirdLimit = 10;

void place(Window* control, int origin, Placement placement) {
  if (control == nullptr) return;
  const Rect& now = control->rect();
  control->setRect(
      {origin + placement.x, now.top, origin + placement.x + placement.width, now.bottom});
}

void show(Window* control, bool shown) {
  if (control != nullptr) control->show(shown ? SW_SHOW : SW_HIDE);
}

void bindEdit(CFieldEdit& wrapper, Window*& window, Window& dialog, int editId,
              std::string_view tipKey, int maxLength) {
  window = dialog.child(editId);
  if (window == nullptr) return;
  wrapper.Attach(dialog, *window, languageText(tipKey));
  window->setTextLimit(maxLength);
}

bool isValidQueueNumber(std::string_view text) {
  const auto number = scanNumber(text);
  return number && number->value >= 50 && number->value <= 511;
}

}  // namespace

std::string CFieldTtl::RowEdit::Text() const {
  return framework::windowText(window, kFieldBuffer);
}

int CFieldTtl::Create(Window& dialog, int ttlLabelId, int ttlComboId, int dateLabelId,
                      int dateEditId, int queueLabelId, int queueEditId, int segmentLabelId,
                      int segmentEditId, int rowOrigin, int ticketLabelId, int modification) {
  dialog_ = &dialog;
  rowOrigin_ = rowOrigin;
  modification_ = modification;
  bindLabel(typeLabel_, dialog, ttlLabelId, "LAB_PNR_TTL", "TIP_PNR_TTL", typeMandatory_);
  // The date's label is its calendar link; Arrange sets it up for each type.
  if (Window* label = dialog.child(dateLabelId)) {
    firstLabel_.InitCalendarLink(dateEditId, 0, "LAB_PNR_DATE", "TIP_PNR_DATE");
    firstLabel_.Attach(*label);
    firstLabel_.Initialise();
  }
  if (ticketLabelId != -1) {
    bindLabel(ticketLabel_, dialog, ticketLabelId, "LAB_PNR_TICKETNO", "TIP_PNR_TICKETNO", 1);
  }
  bindLabel(secondLabel_, dialog, queueLabelId, "LAB_PNR_QUEUENO", "TIP_PNR_QUEUENO", 0);
  bindLabel(thirdLabel_, dialog, segmentLabelId, "LAB_PNR_SEGNO", kSegmentTip, 0);
  type_.Create(dialog, ttlComboId, typeMandatory_, kTypes);
  bindEdit(first_.wrapper, first_.window, dialog, dateEditId, "TIP_PNR_DATE", 5);
  bindEdit(second_.wrapper, second_.window, dialog, queueEditId, kQueueTip, 30);
  bindEdit(third_.wrapper, third_.window, dialog, segmentEditId, kSegmentTip, 3);
  Arrange();
  return 1;
}

bool CFieldTtl::ProcessWindowMessage(const Message& message, LRESULT&) {
  if (type_.IsSelectionAccepted(message)) Arrange();
  return false;
}

void CFieldTtl::Arrange() {
  for (Window* control :
       {firstLabel_.window(), first_.window, secondLabel_.window(), second_.window,
        thirdLabel_.window(), third_.window, ticketLabel_.window()}) {
    show(control, false);
  }
  const std::optional<int> code = type_.Code();
  if (!code || *code < kTimeLimit || *code > kTicketNumber) return;
  const RowLayout& layout = kLayouts[static_cast<std::size_t>(*code - 1)];

  if (Window* label = firstLabel_.window()) {
    // In the date forms the link opens the calendar; for a ticket number it is hidden and set
    // up as the ticket's label, without the calendar. Its target stays the first edit, as
    // Create made it.
    firstLabel_.SetColours(layout.dateForm ? kLinkColour : kLinkMandatoryColour,
                           layout.dateForm ? kLinkHoverColour : kLinkColour);
    firstLabel_.SetCalendar(layout.dateForm);
    firstLabel_.SetTooltip(languageText(layout.dateForm ? "TIP_PNR_DATE" : "TIP_PNR_TICKETNO")
                               .value_or(std::string(layout.firstLabelText)));
    place(label, rowOrigin_, kFirstLabel);
    firstLabel_.SetLinkText(
        languageText(layout.firstLabelKey).value_or(std::string(layout.firstLabelText)));
  }
  first_.wrapper.SetCalendar(layout.dateForm);
  show(firstLabel_.window(), layout.dateForm);
  show(ticketLabel_.window(), !layout.dateForm);

  const auto arrangeEdit = [this](RowEdit& edit, Placement placement, int limit,
                                  std::string_view tipKey) {
    if (edit.window == nullptr) return;
    place(edit.window, rowOrigin_, placement);
    edit.window->setTextLimit(limit);
    edit.wrapper.SetToolTip(languageText(tipKey));
    edit.window->setText("");
    show(edit.window, true);
  };
  arrangeEdit(first_, layout.firstEdit, layout.firstLimit, layout.firstTip);

  if (Window* label = secondLabel_.window()) {
    label->setText(layout.secondLabelText);
    place(label, rowOrigin_, layout.secondLabel);
    secondLabel_.SetToolTip(languageText(layout.secondTip));
    show(label, true);
  }
  // Only the label tells which text the type asks for; the edit keeps its tooltip.
  arrangeEdit(second_, layout.secondEdit, layout.secondLimit, kQueueTip);

  if (!layout.third) return;
  if (Window* label = thirdLabel_.window()) {
    label->setText("Seg #:");
    place(label, rowOrigin_, layout.thirdLabel);
    thirdLabel_.SetToolTip(languageText(kSegmentTip));
    show(label, true);
  }
  arrangeEdit(third_, layout.thirdEdit, kThirdLimit, kSegmentTip);
}

void CFieldTtl::Report(std::string_view errorKey, Window* control) {
  reportFault(dialog_, modification_, errorKey, control);
}

int CFieldTtl::ValidateDate() {
  const std::string date = first_.Text();
  if (date.empty()) return 1;
  if (date.size() < 4) {
    Report("ERR_PNR_DATE_SHORT", first_.window);
    return 0;
  }
  if (CTorvanValidate().IsDate(date) == 0) {
    Report("ERR_PNR_DATE_INVALID", first_.window);
    return 0;
  }
  return 1;
}

int CFieldTtl::Validate() {
  const CTorvanValidate validate;
  const std::optional<int> code = type_.Code();
  if (code == kTimeLimit) {
    if (ValidateDate() == 0) return 0;
    const std::string queue = second_.Text();
    if (queue.empty()) return 1;
    if (validate.IsDecimal(queue) == 0) {
      Report("ERR_PNR_QUEUENO_NONDECIMAL", second_.window);
      return 0;
    }
    if (!isValidQueueNumber(queue)) {
      Report("ERR_PNR_QUEUENO_OUTOFRANGE", second_.window);
      return 0;
    }
    return 1;
  }
  if (code == kTicketed) {
    if (ValidateDate() == 0) return 0;
    const std::string freeText = second_.Text();
    if (!freeText.empty() && validate.IsAlphanumericEx(freeText, " ") == 0) {
      Report("ERR_PNR_FREETEXT_ALPHA_FIELD", second_.window);
      return 0;
    }
    return 1;
  }
  if (code == kTicketNumber) {
    const std::string ticket = first_.Text();
    if (ticket.empty()) {
      Report("ERR_PNR_TICKET_NO_MANDATORY", first_.window);
      return 0;
    }
    if (ticket.size() < 13) {
      Report("ERR_PNR_TICKETNO_SHORT", first_.window);
      return 0;
    }
    if (validate.IsAlphanumericEx(ticket, ",-") == 0) {
      Report("ERR_TICKET_NO_INVALID_FORMAT", first_.window);
      return 0;
    }
    const std::string nameSelect = second_.Text();
    if (!nameSelect.empty() && validate.IsAlphanumericEx(nameSelect, ".,-") == 0) {
      Report("ERR_CARSELL_NAME_SELECT_INVALID", second_.window);
      return 0;
    }
    const std::string segments = third_.Text();
    if (segments.find_first_not_of("0123456789,-") != std::string::npos) {
      Report("ERR_PNR_SEGNO_NONNUMERIC", third_.window);
      return 0;
    }
    return 1;
  }
  Report("ERR_PNR_TYPE_NONE", type_.window());
  return 0;
}

std::string CFieldTtl::BuildFragment(bool withEscape) const {
  std::string fragment = "7";
  if (withEscape) fragment += framework::kChangeMark;
  const std::optional<int> code = type_.Code();
  const std::string first = first_.Text();
  const std::string second = second_.Text();
  if (code == kTimeLimit) return fragment + "TAW" + first + second + "/";
  if (code == kTicketed) return fragment + "T-A" + second + (first.empty() ? "" : "/" + first);
  if (code == kTicketNumber) {
    fragment += "T-TK" + first;
    if (!second.empty()) fragment += std::string(framework::kFreeTextMark) + "N" + second;
    const std::string segments = third_.Text();
    if (!segments.empty()) fragment += std::string(framework::kFreeTextMark) + "S" + segments;
  }
  return fragment;
}

int CFieldTtl::Save(CTorvanProfile& profile) const {
  type_.Save(profile, "TTL");
  const auto save = [&profile](const RowEdit& edit, std::string_view key) {
    profile.setKeyName(key);
    profile.setValue(framework::windowText(edit.window, kSaveBuffer));
  };
  save(first_, "DATE");
  save(second_, "QUEUENO");
  save(third_, "QUEUENO2");
  return 1;
}

int CFieldTtl::Load(CTorvanProfile& profile) {
  type_.Load(profile, "TTL");
  Arrange();
  const auto load = [&profile](RowEdit& edit, std::string_view key) {
    profile.setKeyName(key);
    std::string value;
    profile.getValue(value, "", kLoadBuffer);
    if (edit.window != nullptr) edit.window->setText(value);
  };
  load(second_, "QUEUENO");
  load(third_, "QUEUENO2");
  load(first_, "DATE");
  return 1;
}

void CFieldTtl::Clear() {
  type_.SelectFirst();
  Arrange();
  for (RowEdit* edit : {&first_, &second_, &third_}) {
    if (edit->window != nullptr) edit->window->setText("");
  }
}

}  // namespace fields
