// Saving a birth certificate into a card file of 60,000 person cards: the child is new, its
// parents are found by the links the window holds, as when a user enters a family's children.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "common/clock.hpp"
#include "common/file_transaction.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_layouts.hpp"
#include "records/certificate_save.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_lifecycle.hpp"

namespace vl {
namespace {

constexpr int kPersons = 60000;

DateTimeValue Date(int day, int month, int year) {
  return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year), 0, 0};
}

struct BenchCardFile {
  BenchCardFile() {
    dir = std::filesystem::temp_directory_path() / ("vorlinde-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    card.number = 1;
    card.header.SetTitle("Benchmark");
    CreateCardFile(StoreContext{dir, prompter, clock}, card);
    for (int couple = 0; couple < kPersons / 2; ++couple) {
      const std::string number = std::to_string(couple);
      PersonCard* father = card.persons.Create("Meier" + number + " Johann", static_cast<uint16_t>(5 + number.size()));
      PersonCard* mother = card.persons.Create("Schmitz" + number + " Anna", static_cast<uint16_t>(7 + number.size()));
      card.persons.SetSex(*father, 'H');
      card.persons.SetSex(*mother, 'F');
      card.persons.SetDate(*father, Date(1, 1, 1800 + couple % 50), "Trier", 0);
      card.persons.SetDate(*mother, Date(2, 2, 1802 + couple % 50), "Bonn", 0);
    }
    card.persons.NormaliseFamilyLinks();
  }
  ~BenchCardFile() { std::filesystem::remove_all(dir); }

  // A birth certificate of a new child of couple i.
  CertificateRecord ChildOf(int couple, int child) const {
    CertificateRecord record = CertificateRecord::New(0);
    record.Set(birth_record::kSurname, "Meier" + std::to_string(couple));
    record.Set(birth_record::kGivenNames.Name(0), "Kind" + std::to_string(child));
    record.Set(birth_record::kBirthPlace, "Trier");
    record.Set(birth_record::kFather.surname, "Meier" + std::to_string(couple));
    record.Set(birth_record::kFather.givenNames.Name(0), "Johann");
    record.Set(birth_record::kFather.link, static_cast<uint16_t>(2 * couple + 1));
    record.Set(birth_record::kMother.surname, "Schmitz" + std::to_string(couple));
    record.Set(birth_record::kMother.givenNames.Name(0), "Anna");
    record.Set(birth_record::kMother.link, static_cast<uint16_t>(2 * couple + 2));
    return record;
  }

  std::filesystem::path dir;
  FixedClock clock{TimeStamp{1, 1, 126, 12, 0}};
  ScriptedPrompter prompter{true};
  CardFile card{prompter};
};

CertificateSaveResult SaveChild(BenchCardFile& bench, int iteration, FileTransaction* transaction) {
  const int couple = (iteration * 7919) % (kPersons / 2);
  CertificateRecord record = bench.ChildOf(couple, iteration);
  CertificateEntry entry{record, -1, 0x8000 | 1 | 2 | 4, {{birth_record::kBirth, "03.04.1850", "10:30"}}};
  return SaveCertificate(CertificateSaveContext{bench.card, bench.dir, bench.prompter, bench.clock, transaction, {}},
                         entry);
}

// Everything but the disk: the slot file is written into a transaction that is never committed.
void BM_SaveBirthCertificateInMemory(benchmark::State& state) {
  BenchCardFile bench;
  FileTransaction transaction(bench.dir);
  int iteration = 0;
  for (auto _ : state) {
    if (!SaveChild(bench, iteration++, &transaction).saved) state.SkipWithError("save refused");
  }
}
BENCHMARK(BM_SaveBirthCertificateInMemory)->Unit(benchmark::kMillisecond)->Iterations(2000);

// The whole save as the window does it, the slot file committed to the disk each time; the
// slot file grows by one certificate per iteration.
void BM_SaveBirthCertificateToDisk(benchmark::State& state) {
  BenchCardFile bench;
  int iteration = 0;
  for (auto _ : state) {
    if (!SaveChild(bench, iteration++, nullptr).saved) state.SkipWithError("save refused");
  }
}
BENCHMARK(BM_SaveBirthCertificateToDisk)->Unit(benchmark::kMillisecond)->Iterations(500);

}  // namespace
}  // namespace vl

BENCHMARK_MAIN();
