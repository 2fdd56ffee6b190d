#pragma once
// A certificate record as a JSON object: every named field (record_field_table.hpp) in record
// order, texts as UTF-8, dates as {calendar, day, month, year, hour, minute}, time stamps as
// {day, month, year, hour, minute}, given names as an array of five texts, person blocks as
// nested objects. Reserved areas are left out.
#include <nlohmann/json.hpp>

#include "records/certificate_record.hpp"

namespace vl {

nlohmann::ordered_json RecordToJson(const CertificateRecord& record);

}  // namespace vl
