#include "fields/RemarkFields.h"

#include <array>

#include "framework/HostCommand.h"
#include "framework/services/CTorvanValidate.h"

namespace fields {

using framework::kChangeMark;
using platform::Window;

namespace {

constexpr std::array<std::string_view, 3> kRemarkTypes{"General", "Itinerary", "Invoice"};
constexpr std::array<std::string_view, 2> kDocumentTypes{"Passport No", "Exit/Permit No"};

}  // namespace

bool TypedElementField::ProcessWindowMessage(const platform::Message& message, platform::LRESULT&) {
  if (!type_.IsSelectionAccepted(message)) return false;
  UpdateEnabling();
  return false;
}

void TypedElementField::Attach(Window& dialog, CField* lineField, int modification) {
  dialog_ = &dialog;
  lineField_ = lineField;
  modification_ = modification;
}

void TypedElementField::CreateType(int typeLabelId, int typeComboId, int typeMandatory,
                                   std::span<const std::string_view> names) {
  bindLabel(typeLabel_, *dialog_, typeLabelId, "LAB_PNR_TYPE", "TIP_PNR_TYPE", typeMandatory);
  type_.Create(*dialog_, typeComboId, typeMandatory, names);
}

std::optional<int> TypedElementField::CheckedType() const {
  const std::optional<int> code = type_.Code();
  // A type the agent typed that names no entry leaves nothing selected.
  if (!code) reportFault(dialog_, modification_, "ERR_PNR_TYPE_NONE", type_.window());
  return code;
}

std::string TypedElementField::ElementStart() const {
  std::string start = "5";
  if (lineField_ != nullptr) {
    start += lineField_->GetText(kShortBuffer);
    start += kChangeMark;
  }
  return start;
}

int CFieldReceivedFrom::Create(Window& dialog, int labelId, int valueId, int mandatory,
                               int modification) {
  return CField::Create(dialog, labelId, valueId, mandatory, 30, "LAB_PNR_RECEIVEDFROM",
                        "TIP_PNR_RECEIVEDFROM", modification);
}

int CFieldReceivedFrom::Validate() {
  return CheckRequired("ERR_PNR_RECEIVEDFROM_NONE");
}

std::string CFieldReceivedFrom::BuildFragment(bool withEscape) const {
  const std::string text = GetText(kFieldBuffer);
  if (text.empty()) return {};
  return "6" + std::string(withEscape ? kChangeMark : "") + text;
}

int CFieldRemarks::Create(Window& dialog, int typeLabelId, int typeComboId, int segmentLabelId,
                          int segmentEditId, int remarkLabelId, int remarkEditId, int typeMandatory,
                          CField* lineField, int modification) {
  Attach(dialog, lineField, modification);
  segment_.Create(dialog, segmentLabelId, segmentEditId, 0, 2, "LAB_PNR_SEGNO",
                  "TOOLTIP_AUXCARGEOLIST_SEGMENT", modification);
  remark_.Create(dialog, remarkLabelId, remarkEditId, 1, 70, "LAB_PNR_REMARK", "TIP_PNR_REMARK",
                 modification);
  CreateType(typeLabelId, typeComboId, typeMandatory, kRemarkTypes);
  UpdateEnabling();
  return 1;
}

void CFieldRemarks::UpdateEnabling() {
  const int code = type_.Code().value_or(kNoType);
  if (lineField_ != nullptr) lineField_->Enable(code >= kGeneral ? 1 : 0);
  segment_.Enable(code >= kItinerary ? 1 : 0);
  remark_.Enable(code != kNoType ? 1 : 0);
}

int CFieldRemarks::Validate() {
  const std::optional<int> code = CheckedType();
  if (!code) return 0;
  if (*code == kNoType) return 1;
  if (remark_.GetText(kFieldBuffer).empty()) {
    remark_.ReportError("ERR_PNR_REMARK_NONE");
    return 0;
  }
  const std::string segment = segment_.GetText(kFieldBuffer);
  if (*code == kGeneral || segment.empty() || segment == "0") return 1;
  if (CTorvanValidate().IsDecimal(segment) == 0) {
    segment_.ReportError("ERR_PNR_SEGNO_NONNUMERIC");
    return 0;
  }
  return 1;
}

std::string CFieldRemarks::BuildFragment() const {
  const int code = type_.Code().value_or(kNoType);
  if (code == kNoType) return {};
  std::string fragment = ElementStart();
  const std::string remark = remark_.GetText(kFieldBuffer);
  if (code == kGeneral) return fragment + remark;
  fragment += code == kItinerary ? framework::kFreeTextMark : ".";
  if (const std::string segment = segment_.GetText(kFieldBuffer); !segment.empty()) {
    fragment += "S" + segment + " ";
  }
  return fragment + remark;
}

int CFieldRemarks::Save(CTorvanProfile& profile) const {
  type_.Save(profile, "TYPE1");
  segment_.Save(profile, "SEGNO1");
  remark_.Save(profile, "REMARK1");
  return 1;
}

int CFieldRemarks::Load(CTorvanProfile& profile) {
  type_.Load(profile, "TYPE1");
  UpdateEnabling();
  segment_.Load(profile, "SEGNO1");
  remark_.Load(profile, "REMARK1");
  return 1;
}

void CFieldRemarks::Clear() {
  type_.SelectFirst();
  segment_.Clear();
  remark_.Clear();
  UpdateEnabling();
}

int CFieldIdDoc::Create(Window& dialog, int typeLabelId, int typeComboId, int idLabelId,
                        int idValueId, int surnameLabelId, int surnameValueId, int givenLabelId,
                        int givenValueId, int typeMandatory, CField* lineField, int modification) {
  Attach(dialog, lineField, modification);
  holder_.Create(dialog, surnameLabelId, surnameValueId, givenLabelId, givenValueId, 0,
                 modification);
  number_.Create(dialog, idLabelId, idValueId, 1, 15, "LAB_PNR_IDNO", "TIP_PNR_IDNO", modification);
  CreateType(typeLabelId, typeComboId, typeMandatory, kDocumentTypes);
  UpdateEnabling();
  return 1;
}

void CFieldIdDoc::UpdateEnabling() {
  // Only the empty entry switches the document off; no selection leaves it on.
  const int enabled = type_.Code() != kNoType ? 1 : 0;
  number_.Enable(enabled);
  holder_.Enable(enabled);
  if (lineField_ != nullptr) lineField_->Enable(enabled);
}

int CFieldIdDoc::Validate() {
  const std::optional<int> code = CheckedType();
  if (!code) return 0;
  if (*code == kNoType) return 1;
  const std::string number = number_.GetText(kFieldBuffer);
  if (number.size() < 2) {
    number_.ReportError("ERR_PNR_IDNO_SHORT");
    return 0;
  }
  if (CTorvanValidate().IsAlphanumeric(number) == 0) {
    number_.ReportError("ERR_PNR_IDNO_NONALPHANUMERIC");
    return 0;
  }
  return holder_.Validate();
}

std::string CFieldIdDoc::BuildFragment() const {
  const int code = type_.Code().value_or(kNoType);
  if (code == kNoType) return {};
  std::string fragment = ElementStart();
  fragment += code == kExitPermit ? "EP" : "PP";
  fragment += number_.GetText(kFieldBuffer);
  if (const std::string surname = holder_.GetSurname(kFieldBuffer); !surname.empty()) {
    fragment += "-" + surname;
  }
  if (const std::string given = holder_.GetGivenName(kFieldBuffer); !given.empty()) {
    fragment += "/" + given;
  }
  return fragment;
}

int CFieldIdDoc::Save(CTorvanProfile& profile) const {
  type_.Save(profile, "TYPE2");
  number_.Save(profile, "IDNO2");
  holder_.Save(profile, "SURNAME2", "GIVENNAME2");
  return 1;
}

int CFieldIdDoc::Load(CTorvanProfile& profile) {
  type_.Load(profile, "TYPE2");
  UpdateEnabling();
  number_.Load(profile, "IDNO2");
  holder_.Load(profile, "SURNAME2", "GIVENNAME2");
  return 1;
}

void CFieldIdDoc::Clear() {
  type_.SelectFirst();
  number_.Clear();
  holder_.Clear();
  UpdateEnabling();
}

}  // namespace fields
