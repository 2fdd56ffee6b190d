#pragma once
// JSON and text forms of card-file data for vorlinde-cli.
#include <nlohmann/json.hpp>

#include "common/clock.hpp"
#include "dates/date_value.hpp"
#include "storage/card_file_header.hpp"
#include "storage/person_card.hpp"

namespace vl::cli {

nlohmann::json StampJson(const TimeStamp& stamp);
nlohmann::json EventJson(const DateTimeValue& value, const std::string& place);
nlohmann::json HeaderJson(const CardFileHeader& header, const std::string& notes);
nlohmann::json PersonJson(const PersonCard& card);

}  // namespace vl::cli
