#pragma once
// A certificate record filled from JSON in the shape that RecordToJson prints, as the entry
// window would fill it: texts cut to what the window accepts, dates and ages checked with the
// window's messages.
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "common/prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/certificate_save.hpp"

namespace vl {

struct RecordInputResult {
  enum Status { Applied, Refused, WrongUsage };
  Status status = Applied;
  std::string problem;  // for WrongUsage: what is wrong, in German
  // Main dates given as text, for the save to parse in its own order.
  std::vector<TypedDate> dates;
};

// Applies every field of `input` (an object) to the record; fields not given keep their
// values. The header's slot stamps and stored flag cannot be given. A date given as text
// ("03.04.1850", "03.04.1850 10:30") inside a person block is parsed here, one of the record's
// own dates is handed to the save; an age given as text passes the age check. Refused after a
// message; WrongUsage for a shape that is not a record of the kind.
RecordInputResult ApplyRecordJson(const nlohmann::json& input, CertificateRecord& record, Prompter& prompter);

// The modification word of a record changed from `before` to `after`: the name bit of each
// person block whose names differ (for a new record: that has a name), and 0x8000 when any
// byte differs or dates are typed.
uint16_t ChangedBitsBetween(const CertificateRecord& before, const CertificateRecord& after, bool newRecord,
                            bool datesTyped);

}  // namespace vl
