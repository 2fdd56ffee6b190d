#include "card_file_json.hpp"

#include "common/cp1252.hpp"

namespace vl::cli {

nlohmann::json StampJson(const TimeStamp& s) {
  return {{"day", s.day}, {"month", s.month}, {"year", s.year}, {"hour", s.hour}, {"minute", s.minute}};
}

nlohmann::json EventJson(const DateTimeValue& v, const std::string& place) {
  return {{"calendar", v.calendar}, {"day", v.day},       {"month", v.month},
          {"year", v.year},         {"hour", v.hour},     {"minute", v.minute},
          {"place", Cp1252ToUtf8(place)}};
}

nlohmann::json HeaderJson(const CardFileHeader& h, const std::string& notes) {
  nlohmann::json counts = nlohmann::json::array();
  for (int kind = 0; kind < 6; ++kind) counts.push_back(h.CertificateCount(kind));
  return {{"version", h.Version()},
          {"title", Cp1252ToUtf8(h.Title())},
          {"name", Cp1252ToUtf8(h.OwnerName())},
          {"first_name", Cp1252ToUtf8(h.OwnerFirstName())},
          {"town", Cp1252ToUtf8(h.Town())},
          {"address", Cp1252ToUtf8(h.Address())},
          {"created", StampJson(h.Created())},
          {"saved", StampJson(h.Saved())},
          {"photo", Cp1252ToUtf8(h.Photo())},
          {"person_count", h.PersonCount()},
          {"certificate_counts", counts},
          {"axis_first", h.AxisFirst()},
          {"axis_last", h.AxisLast()},
          {"zoom", h.Zoom()},
          {"notes", Cp1252ToUtf8(notes)}};
}

nlohmann::json PersonJson(const PersonCard& c) {
  nlohmann::json titles = nlohmann::json::array();
  for (const std::string& title : TitlesOf(c)) titles.push_back(Cp1252ToUtf8(title));
  nlohmann::json slots = nlohmann::json::array();
  for (uint16_t slot : c.certificateSlots) slots.push_back(slot);
  nlohmann::json children = nlohmann::json::array();
  for (const ChildLink& link : c.children) {
    children.push_back({{"person", link.child ? link.child->number : 0}, {"union", link.unionIndex}});
  }
  nlohmann::json unions = nlohmann::json::array();
  for (const UnionEntry& u : c.unions) {
    nlohmann::json entry = EventJson(u.date, u.place);
    entry["spouse"] = u.spouse ? u.spouse->number : 0;
    entry["slot"] = u.slot;
    entry["kind"] = u.kind;
    unions.push_back(std::move(entry));
  }
  nlohmann::json documents = nlohmann::json::array();
  for (const AttachedDocument& d : c.documents) {
    documents.push_back({{"description", Cp1252ToUtf8(d.description)}, {"file", Cp1252ToUtf8(d.file)}});
  }
  return {{"number", c.number},
          {"rank", c.rank},
          {"name", Cp1252ToUtf8(c.fullName)},
          {"surname_length", c.surnameLength},
          {"sex", std::string(1, c.sex == 'H' || c.sex == 'F' ? c.sex : ' ')},
          {"number_text", Cp1252ToUtf8(c.numberText)},
          {"photo", Cp1252ToUtf8(c.photo)},
          {"profession", Cp1252ToUtf8(c.profession)},
          {"profession_place", Cp1252ToUtf8(c.professionPlace)},
          {"notes", Cp1252ToUtf8(c.notes)},
          {"titles", titles},
          {"birth", EventJson(c.birth, c.birthPlace)},
          {"baptism", EventJson(c.baptism, c.baptismPlace)},
          {"death", EventJson(c.death, c.deathPlace)},
          {"slots", slots},
          {"father", c.father ? c.father->number : 0},
          {"mother", c.mother ? c.mother->number : 0},
          {"children", children},
          {"unions", unions},
          {"documents", documents}};
}

}  // namespace vl::cli
