#include "framework/CodeLookupTable.h"

#include "framework/MainSettings.h"
#include "framework/services/CTorvanProfile.h"

namespace framework {
namespace {

constexpr std::array<std::string_view, CodeLookupTable::kSize> kKeys{
    "ENCODER_CITY",
    "ENCODER_CURRENCY",
    "ENCODER_INSURANCE_VENDOR",
    "ENCODER_COUNTRY",
    "ENCODER_CARRIER",
    "ENCODER_CAR_CO",
    "ENCODER_CAR_TYPE",
    "ENCODER_HOTEL_CHAIN",
    "ENCODER_CREDIT_CARD_TYPE",
    "ENCODER_SPECIAL_EQUIP",
    "ENCODER_US_STATE",
    "ENCODER_ROOM_TYPE",
    "ENCODER_GLOBAL_INDICATOR",
    "ENCODER_PTC",
    "ENCODER_FARETYPE",
    "ENCODER_PIC",
    "ENCODER_MISC_PRODUCT_CODE",
    "ENCODER_DOSS_CRUISE_CITY_CODE",
    "ENCODER_DOSS_CRUISE_NATIONALITY",
    "ENCODER_DOSS_CRUISE_PROMO_CODE",
    "ENCODER_DOSS_CRUISE_SHIP_CODE",
    "ENCODER_DOSS_CRUISE_SPECIAL_REMARK",
};

}  // namespace

std::string_view CodeLookupTable::key(CodeList list) {
  return kKeys[static_cast<std::size_t>(list)];
}

void CodeLookupTable::read() {
  CTorvanProfile profile;
  profile.setIniFile(mainSettingsFile());
  profile.setSectionName("ENCODER");
  CTorvanProfile::Batch snapshot(profile);
  for (std::size_t index = 0; index < kSize; ++index) {
    profile.setKeyName(kKeys[index]);
    profile.getValue(texts_[index], "", 1024);
  }
}

}  // namespace framework
