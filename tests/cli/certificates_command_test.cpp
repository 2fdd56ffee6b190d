// certificates NNN KIND [--json] against docs/cli-certificates.md.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_fixture.hpp"
#include "common/clock.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_layouts.hpp"
#include "records/certificate_record.hpp"
#include "records/record_names.hpp"
#include "storage/slot_file.hpp"

namespace vl::test {
namespace {

using OrderedJson = nlohmann::ordered_json;
using Keys = std::vector<std::string>;

Keys KeysOf(const OrderedJson& object) {
  Keys keys;
  for (const auto& [key, value] : object.items()) keys.push_back(key);
  return keys;
}

Keys Joined(Keys first, const Keys& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

const Keys kCommon = {"slot", "official", "office", "register_number", "source", "stored", "key_person", "created",
                      "changed"};
const Keys kDate = {"calendar", "day", "month", "year", "hour", "minute"};
const Keys kStamp = {"day", "month", "year", "hour", "minute"};
const Keys kParent = {"surname",   "given_names", "link",           "profession", "profession_place", "photo",
                      "residence", "address",     "marital_status", "birth",      "birth_place",      "age"};
const Keys kWitness = {"surname",   "given_names", "link",  "photo",       "profession", "profession_place",
                       "residence", "address",     "birth", "birth_place", "age",        "kinship_degree"};
const Keys kLateParent = {"alive", "link", "surname", "given_names", "photo", "death", "death_place"};
const Keys kSpouse = {"surname",   "given_names", "link",   "photo",  "profession",     "profession_place", "residence",
                      "address",   "father",      "mother", "marital_status", "birth",  "birth_place",      "of_age"};

struct KindCase {
  int kind;
  const char* name;
  Keys keys;             // after the common part, in record order
  const Keys* parents;   // father and mother; nullptr for the marriage kinds, whose spouses carry them
  Keys witnesses;        // witness blocks
  Keys dates;            // date fields of the record itself
  std::string choiceText;
};

const std::vector<KindCase> kKinds = {
    {0, "birth",
     {"child_link", "number_text", "photo", "sex", "surname", "given_names", "birth", "birth_place", "address",
      "father", "mother", "witness_1", "witness_2", "witness_3", "witness_4", "notes"},
     &kParent, {"witness_1", "witness_2", "witness_3", "witness_4"}, {"birth"}, "Weber Anna Maria"},
    {3, "baptism",
     {"child_link", "number_text", "photo", "sex", "surname", "given_names", "baptism", "baptism_place", "address",
      "legitimate", "emergency_baptism", "father", "mother", "godparent_1", "godparent_2", "godparent_3",
      "godparent_4", "died", "death_date", "notes"},
     &kParent, {"godparent_1", "godparent_2", "godparent_3", "godparent_4"}, {"baptism", "death_date"},
     "Weber Anna Maria"},
    {2, "death",
     {"number_text", "photo", "death", "death_place", "birth", "birth_place", "cause", "surname", "given_names",
      "deceased_link", "profession", "profession_place", "residence", "address", "father", "mother",
      "marital_status", "age", "witness_1", "witness_2", "witness_3", "witness_4", "notes"},
     &kLateParent, {"witness_1", "witness_2", "witness_3", "witness_4"}, {"death", "birth"}, "Weber Anna Maria"},
    {5, "burial",
     {"spouse_link", "number_text", "photo", "burial", "burial_place", "cause", "surname", "given_names",
      "deceased_link", "profession", "profession_place", "residence", "address", "father", "mother",
      "marital_status", "age", "spouse_surname", "spouse_given_names", "spouse_age", "witness_1", "witness_2",
      "witness_3", "witness_4", "notes"},
     &kLateParent, {"witness_1", "witness_2", "witness_3", "witness_4"}, {"burial"}, "Weber Anna Maria"},
    {1, "marriage",
     {"number_text", "marriage", "marriage_place", "groom", "bride", "contract_date", "notary", "contract_place",
      "witness_1", "witness_2", "witness_3", "witness_4", "legitimation", "notes"},
     nullptr, {"witness_1", "witness_2", "witness_3", "witness_4"}, {"marriage", "contract_date"},
     "Weber Anna Maria - Maier Rosa"},
    {4, "wedding",
     {"number_text", "wedding", "wedding_place", "groom", "bride", "witness_1", "witness_2", "witness_3",
      "witness_4", "banns", "objection", "dispensation_date", "dispensation", "kinship_degree", "notes"},
     nullptr, {"witness_1", "witness_2", "witness_3", "witness_4"}, {"wedding", "dispensation_date"},
     "Weber Anna Maria - Maier Rosa"},
};

// The nested objects of one certificate: person blocks, dates and stamps.
void ExpectBlocks(const OrderedJson& object, const KindCase& c) {
  for (const std::string& witness : c.witnesses) EXPECT_EQ(KeysOf(object.at(witness)), kWitness) << witness;
  for (const std::string& date : c.dates) EXPECT_EQ(KeysOf(object.at(date)), kDate) << date;
  for (const char* stamp : {"created", "changed"}) EXPECT_EQ(KeysOf(object.at(stamp)), kStamp) << stamp;
  if (c.parents != nullptr) {
    for (const char* parent : {"father", "mother"}) EXPECT_EQ(KeysOf(object.at(parent)), *c.parents) << parent;
    return;
  }
  for (const char* spouse : {"groom", "bride"}) {
    const OrderedJson& block = object.at(spouse);
    EXPECT_EQ(KeysOf(block), kSpouse) << spouse;
    EXPECT_EQ(KeysOf(block.at("father")), kLateParent) << spouse;
    EXPECT_EQ(KeysOf(block.at("mother")), kLateParent) << spouse;
    EXPECT_EQ(KeysOf(block.at("birth")), kDate) << spouse;
  }
}

class CertificatesCommand : public CliTest {
 protected:
  // Stores a certificate about "Weber Anna Maria" (key person 12); a marriage with bride "Maier Rosa".
  int Store(int kind, uint16_t keyPerson) {
    SlotFile file(SlotFileContext{DataDir(), 1, kind, prompter, clock, nullptr});
    CertificateRecord record = CertificateRecord::New(kind);
    record.SetKeyPerson(keyPerson);
    const NameFields main = MainPersonNames(kind);
    record.Set(main.surname, "Weber");
    record.Set(main.givenNames, GivenNames{"Anna", "Maria", "", "", ""});
    if (kind == 1 || kind == 4) {
      const NameFields bride = civil_marriage_record::kBride.Name();  // same place in both marriage kinds
      record.Set(bride.surname, "Maier");
      record.Set(bride.givenNames, GivenNames{"Rosa", "", "", "", ""});
    }
    record.MarkStored();
    return record.Write(file, -1);
  }

  ScriptedPrompter prompter;
  FixedClock clock{TimeStamp{24, 12, 99, 18, 30}};
};

TEST_F(CertificatesCommand, ListsEveryKindWithTheDocumentedFields) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Kartei"));
  for (const KindCase& c : kKinds) {
    SCOPED_TRACE(c.name);
    const int first = Store(c.kind, 12);
    const int second = Store(c.kind, 30);
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);

    CliRun plain = Run({"certificates", "1", c.name});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, std::to_string(first) + "\t12\t" + c.choiceText + "\n" + std::to_string(second) + "\t30\t" +
                             c.choiceText + "\n");
    // The kind's number names the same certificates.
    EXPECT_EQ(Run({"certificates", "001", std::to_string(c.kind)}).out, plain.out);

    CliRun run = Run({"certificates", "1", c.name, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const OrderedJson all = OrderedJson::parse(run.out);
    ASSERT_EQ(all.size(), 2u);
    const OrderedJson& object = all[0];
    EXPECT_EQ(KeysOf(object), Joined(kCommon, c.keys));
    ExpectBlocks(object, c);
    EXPECT_EQ(object.at("slot"), first);
    EXPECT_EQ(all[1].at("slot"), second);
    EXPECT_EQ(object.at("key_person"), 12);
    EXPECT_EQ(all[1].at("key_person"), 30);
    EXPECT_EQ(object.at("stored"), 1);
    EXPECT_EQ(object.at("created"),
              OrderedJson::parse(R"({"day": 24, "month": 12, "year": 99, "hour": 18, "minute": 30})"));
    const OrderedJson& names = (c.kind == 1 || c.kind == 4) ? object.at("groom") : object;
    EXPECT_EQ(names.at("surname"), "Weber");
    EXPECT_EQ(names.at("given_names"), OrderedJson::parse(R"(["Anna", "Maria", "", "", ""])"));
  }
}

TEST_F(CertificatesCommand, KindNamesAnyCaseAndRefusals) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Kartei"));
  const int slot = Store(4, 12);
  ASSERT_GE(slot, 0);
  EXPECT_EQ(Run({"certificates", "1", "WEDDING"}).out, std::to_string(slot) + "\t12\tWeber Anna Maria - Maier Rosa\n");

  CliRun none = Run({"certificates", "1", "burial", "--json"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(OrderedJson::parse(none.out), OrderedJson::array());
  EXPECT_EQ(Run({"certificates", "1", "burial"}).out, "");

  for (const char* kind : {"6", "-1", "hochzeit", ""}) {
    CliRun run = Run({"certificates", "1", kind});
    EXPECT_EQ(run.status, 2) << kind;
    EXPECT_NE(run.err.find("Unbekannte Urkundenart"), std::string::npos) << run.err;
  }

  std::filesystem::remove(DataDir() / "SEPULTUR.001");
  CliRun missing = Run({"certificates", "1", "burial"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err, "");
}

}  // namespace
}  // namespace vl::test
