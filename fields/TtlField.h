#pragma once
// The ticketing element of a PNR. A type combo chooses one of three forms and the field
// rearranges its row for each:
//   "TAW"   time limit:       7TAW15MAR100/       (date, optional queue number)
//   "T-A"   already ticketed: 7T-APAID/15MAR      (free text, date)
//   "T-TK"  ticket number:    7T-TK1234567890123\u00A5N1.1\u00A5S1-2 (ticket, name select,
//                                                                    segments)
// With the escape, the change mark follows the leading "7". The first label of the row is the
// date's calendar link in the date forms; the ticket label takes its place for "T-TK".

#include <string>

#include "fields/CField.h"
#include "fields/CFieldEdit.h"
#include "fields/CFieldLabel.h"
#include "fields/CLinkLabel.h"
#include "fields/FieldParts.h"
#include "framework/services/CTorvanProfile.h"

namespace fields {

class CFieldTtl {
 public:
  enum Type { kTimeLimit = 1, kTicketed = 2, kTicketNumber = 3 };

  virtual ~CFieldTtl() = default;
  // The type combo's selection-accepted notification rearranges the row.
  virtual bool ProcessWindowMessage(const platform::Message& message, platform::LRESULT& result);

  // rowOrigin: the left end of the row in the dialog's client pixels; ticketLabelId may be -1.
  int Create(platform::Window& dialog, int ttlLabelId, int ttlComboId, int dateLabelId,
             int dateEditId, int queueLabelId, int queueEditId, int segmentLabelId,
             int segmentEditId, int rowOrigin, int ticketLabelId, int modification);
  int Validate();
  std::string BuildFragment(bool withEscape) const;
  // "TTL" (the type's item data), "DATE", "QUEUENO", "QUEUENO2".
  int Save(CTorvanProfile& profile) const;
  // The type first, so that the texts land in the controls of that type.
  int Load(CTorvanProfile& profile);
  // "TAW", the row arranged for it, the three edits emptied.
  void Clear();

 private:
  struct RowEdit {
    CFieldEdit wrapper;
    platform::Window* window = nullptr;
    std::string Text() const;
  };

  void Arrange();
  int ValidateDate();
  void Report(std::string_view errorKey, platform::Window* control);

  platform::Window* dialog_ = nullptr;
  int typeMandatory_ = 1;
  int rowOrigin_ = 0;
  TypeCombo type_;
  CFieldLabel typeLabel_;
  CLinkLabel firstLabel_;  // the date's calendar link
  CFieldLabel ticketLabel_;
  CFieldLabel secondLabel_;
  CFieldLabel thirdLabel_;
  RowEdit first_;   // date or ticket number
  RowEdit second_;  // queue number, free text or name select
  RowEdit third_;   // segments
  int modification_ = 0;
};

}  // namespace fields
