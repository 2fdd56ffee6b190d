// add-certificate and edit-certificate: output, exit codes, and the bytes they leave in the
// slot file, read back at the offsets of the record layout.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_fixture.hpp"

namespace vl::test {
namespace {

constexpr size_t kSlot0 = 50268;       // first record behind the slot-file header
constexpr size_t kBirthSize = 3593;
constexpr const char* kNow = "07.12.2026 10:30";

const std::string kKarl = R"({
  "surname": "Weber", "given_names": ["Karl", "August"],
  "birth": "03.04.1850 10:30", "birth_place": "Ulm",
  "father": {"surname": "Weber", "given_names": ["Johann"], "age": "30", "birth": "01.02.1820"},
  "mother": {"surname": "Maier", "given_names": ["Anna"]}
})";

class CertificateEntryTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    CreateCardFile("001", "Familie Weber");
  }
  CliRun Add(const std::string& input, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--now", kNow, "add-certificate", "001", "birth"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunWithInput(args, input);
  }
  std::string TextAt(size_t offset) const {
    const std::vector<uint8_t> bytes = ReadData("NAISS.001");
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset));
  }
};

TEST_F(CertificateEntryTest, AddWritesTheRecordAndThePersonCards) {
  const CliRun run = Add(kKarl, {"--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out),
            nlohmann::json::parse(R"({"slot": 0, "persons": {"main": 1, "father": 2, "mother": 3},
                                      "created": [1, 2, 3]})"));
  EXPECT_EQ(run.err, "");

  ASSERT_EQ(ReadData("NAISS.001").size(), kSlot0 + kBirthSize);
  EXPECT_EQ(U16In("NAISS.001", 262), 1);             // certificates in the file
  EXPECT_EQ(U16In("NAISS.001", 20268), 1);           // key person of the first entry
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 120), 1);    // stored
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 122), 1);    // key person
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 128), 126);  // created in 2026
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 130), 10);
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 144), 1);    // child
  EXPECT_EQ(TextAt(kSlot0 + 179), "Weber");
  EXPECT_EQ(TextAt(kSlot0 + 209 + 20), "August");
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 311), 3);    // birth day, month, year, hour
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 315), 1850);
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 317), 10);
  EXPECT_EQ(TextAt(kSlot0 + 321), "Ulm");
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 561), 2);    // father
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 813), 30);   // father's age
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 947), 3);    // mother
  EXPECT_EQ(U16In("DOSSIER.001", 434), 1);           // birth counter

  const CliRun persons = Run({"persons", "001", "--json"});
  ASSERT_EQ(persons.status, 0);
  const auto cards = nlohmann::json::parse(persons.out);
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(cards[0]["name"], "Weber Karl August");
  EXPECT_EQ(cards[0]["father"], 2);
  EXPECT_EQ(cards[0]["mother"], 3);
  EXPECT_EQ(cards[0]["slots"][0], 0);
  EXPECT_EQ(cards[0]["birth"]["place"], "Ulm");
  EXPECT_EQ(cards[1]["birth"]["year"], 1820);
  EXPECT_EQ(cards[2]["sex"], "F");
}

TEST_F(CertificateEntryTest, NamesakesNeedAChoice) {
  ASSERT_EQ(Add(kKarl).status, 0);
  const std::string again = R"({"surname": "Weber", "given_names": ["Karl", "August"]})";

  const CliRun refused = Add(again);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("1\tWeber Karl August\n"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("--choose main="), std::string::npos);
  EXPECT_EQ(U16In("NAISS.001", 262), 1);

  const CliRun added = Add(again, {"--choose", "main=new"});
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "1\n");

  // The same child again: the existing certificate is replaced only with "yes".
  const CliRun kept = Add(again, {"--choose", "main=1"});
  EXPECT_EQ(kept.status, 1);
  EXPECT_NE(kept.err.find("Es gibt bereits eine Geburtsurkunde für Weber Karl August. Möchten Sie diese ersetzen? -> nein"),
            std::string::npos)
      << kept.err;
  const CliRun replaced = RunWithInput({"--yes", "add-certificate", "001", "0", "--choose", "main=1"}, again);
  ASSERT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_EQ(replaced.out, "0\n");
  EXPECT_EQ(U16In("NAISS.001", 262), 2);
  EXPECT_EQ(U16In("DOSSIER.001", 434), 2);
}

TEST_F(CertificateEntryTest, BadInputIsWrongUsageOrARefusal) {
  struct Case {
    std::string input;
    std::vector<std::string> extra;
    int status;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"kein JSON", {}, 2, "Die Eingabe ist kein JSON."},
      {R"({"bogus": 1})", {}, 2, "Unbekanntes Feld: bogus"},
      {R"({"father": {"size": 1}})", {}, 2, "Unbekanntes Feld: father.size"},
      {R"({"stored": 1})", {}, 2, "Unbekanntes Feld: stored"},
      {R"({"child_link": 70000})", {}, 2, "Zahl außerhalb des Bereichs: child_link"},
      {R"({"sex": "X"})", {}, 2, "\"H\" oder \"F\" erwartet: sex"},
      {kKarl, {"--choose", "main"}, 2, "--choose erwartet ROLLE=NUMMER oder ROLLE=new"},
      {R"({"surname": "Weber", "given_names": ["Karl"], "birth": "31.02.1850"})", {}, 1,
       "Im angegebenen Monat gibt es diesen Tag nicht!"},
      {R"({"father": {"age": "0"}})", {}, 1, "Das angegebene Alter ist ungültig!"},
      {R"({"surname": "Weber"})", {}, 1, "Geben Sie zumindest einen Vornamen ein!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const CliRun run = Add(c.input, c.extra);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(U16In("NAISS.001", 262), 0);
  EXPECT_EQ(Run({"persons", "001"}).out, "");
}

TEST_F(CertificateEntryTest, TextsAreCutAsTheWindowCutsThem) {
  const std::string input = R"({"surname": "ABCDEFGHIJKLMNOPQRSTUVWXYZäöüß", "given_names": ["Karlheinzfriedrichwilhelm"]})";
  ASSERT_EQ(Add(input).status, 0);
  EXPECT_EQ(TextAt(kSlot0 + 179).size(), 28u);     // 30-byte field
  EXPECT_EQ(TextAt(kSlot0 + 209), "Karlheinzfriedrichw");  // 19 of a given name
}

TEST_F(CertificateEntryTest, EditKeepsTheSlotAndTheFieldsNotGiven) {
  ASSERT_EQ(Add(kKarl).status, 0);
  const CliRun edited =
      RunWithInput({"--now", "08.12.2026 09:00", "edit-certificate", "001", "birth", "0"}, R"({"birth_place": "Bonn"})");
  ASSERT_EQ(edited.status, 0) << edited.err;
  EXPECT_EQ(edited.out, "0\n");
  EXPECT_EQ(TextAt(kSlot0 + 321), "Bonn");
  EXPECT_EQ(TextAt(kSlot0 + 179), "Weber");
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 124), 7);   // created: still the 7th
  EXPECT_EQ(U16In("NAISS.001", kSlot0 + 134), 8);   // changed: the 8th
  EXPECT_EQ(U16In("NAISS.001", 262), 1);
  const auto cards = nlohmann::json::parse(Run({"persons", "001", "--json"}).out);
  EXPECT_EQ(cards[0]["birth"]["place"], "Bonn");

  EXPECT_EQ(RunWithInput({"edit-certificate", "001", "birth", "5"}, "{}").status, 1);
  EXPECT_EQ(RunWithInput({"edit-certificate", "001", "birth", "x"}, "{}").status, 2);
}

}  // namespace
}  // namespace vl::test
