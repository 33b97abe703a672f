#pragma once
// The code-lookup table: which code list the lookup dialog shows for each kind of code, read
// from the "ENCODER" section of the main settings file.

#include <array>
#include <string>
#include <string_view>

namespace framework {

enum class CodeList {
  City,
  Currency,
  InsuranceVendor,
  Country,
  Carrier,
  CarCompany,
  CarType,
  HotelChain,
  CreditCardType,
  SpecialEquipment,
  UsState,
  RoomType,
  GlobalIndicator,
  PassengerType,
  FareType,
  PassengerIdentification,
  MiscellaneousProduct,
  CruiseCity,
  CruiseNationality,
  CruisePromotion,
  CruiseShip,
  CruiseSpecialRemark,
};

class CodeLookupTable {
 public:
  static constexpr std::size_t kSize = 22;

  // Reads all entries again, in table order; a missing file or key gives an empty text.
  void read();
  const std::string& text(CodeList list) const { return texts_[static_cast<std::size_t>(list)]; }
  static std::string_view key(CodeList list);

 private:
  std::array<std::string, kSize> texts_;
};

}  // namespace framework
