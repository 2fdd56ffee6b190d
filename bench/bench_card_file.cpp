// Loading, saving, creating and normalising a card file of 60,000 person cards.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "common/clock.hpp"
#include "common/scripted_prompter.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_store.hpp"

namespace vl {
namespace {

constexpr int kPersons = 60000;

struct BenchHome {
  BenchHome() {
    dir = std::filesystem::temp_directory_path() / ("vorlinde-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
  }
  ~BenchHome() { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

DateTimeValue Date(int day, int month, int year) {
  return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year), 0, 0};
}

// Families of four: parents with one union and two children, short texts each.
void FillFamilies(CardFile& card) {
  PersonIndex& index = card.persons;
  for (int family = 0; family < kPersons / 4; ++family) {
    PersonCard* father = index.Create("Meier Johann Peter", 5);
    PersonCard* mother = index.Create("Schmitz Anna", 7);
    index.SetSex(*father, 'H');
    index.SetSex(*mother, 'F');
    int year = 1700 + family % 200;
    index.SetDate(*father, Date(1 + family % 28, 1 + family % 12, year), "Trier", 0);
    index.SetDate(*mother, Date(2, 3, year + 2), "Bonn", 0);
    index.SetProfession(*father, "Weber");
    father->unions.push_back({mother, Date(5, 5, year + 25), "Trier", kNoSlot, 1});
    mother->unions.push_back({father, Date(5, 5, year + 25), "Trier", kNoSlot, 1});
    for (int k = 0; k < 2; ++k) {
      PersonCard* child = index.Create(k ? "Meier Maria" : "Meier Karl", 5);
      index.SetDate(*child, Date(10, 10 - k, year + 30 - k), "Trier", 0);
      child->father = father;
      child->mother = mother;
      father->children.push_back({child, 0});
      mother->children.push_back({child, 0});
    }
  }
}

struct SavedCardFile {
  SavedCardFile() {
    CardFile card(prompter);
    card.number = 1;
    card.header.SetTitle("Benchmark");
    card.header.SetOwnerName("Bench");
    CreateCardFile(Context(), card);
    FillFamilies(card);
    card.persons.NormaliseFamilyLinks();
    SaveCardFile(Context(), card);
  }
  StoreContext Context() { return StoreContext{home.dir / "", prompter, clock, nullptr}; }
  BenchHome home;
  FixedClock clock{TimeStamp{1, 1, 126, 12, 0}};
  ScriptedPrompter prompter;
};

void BM_LoadCardFile(benchmark::State& state) {
  SavedCardFile saved;
  for (auto _ : state) {
    CardFile card(saved.prompter);
    bool ok = OpenCardFile(saved.Context(), card, 1);
    benchmark::DoNotOptimize(ok);
    if (!ok || card.persons.Count() != kPersons) state.SkipWithError("load failed");
  }
}
BENCHMARK(BM_LoadCardFile)->Unit(benchmark::kMillisecond);

void BM_SaveCardFile(benchmark::State& state) {
  SavedCardFile saved;
  CardFile card(saved.prompter);
  OpenCardFile(saved.Context(), card, 1);
  for (auto _ : state) {
    if (!SaveCardFile(saved.Context(), card)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveCardFile)->Unit(benchmark::kMillisecond);

void BM_CreatePersons(benchmark::State& state) {
  ScriptedPrompter prompter;
  for (auto _ : state) {
    CardFile card(prompter);
    for (int i = 0; i < kPersons; ++i) card.persons.Create("Meier Johann", 5);
    benchmark::DoNotOptimize(card.persons.Count());
  }
}
BENCHMARK(BM_CreatePersons)->Unit(benchmark::kMillisecond);

void BM_NormaliseFamilyLinks(benchmark::State& state) {
  ScriptedPrompter prompter;
  CardFile card(prompter);
  FillFamilies(card);
  for (auto _ : state) card.persons.NormaliseFamilyLinks();
}
BENCHMARK(BM_NormaliseFamilyLinks)->Unit(benchmark::kMillisecond);

// One parent with 65,535 children (and as many unions) linked latest first: each
// normalisation has to reverse them all.
void BM_NormaliseOneParentWithMostChildren(benchmark::State& state) {
  ScriptedPrompter prompter;
  CardFile card(prompter);
  PersonCard* parent = card.persons.Create("Vater", 5);
  std::vector<PersonCard*> children;
  for (int i = 0; i < 65534; ++i) {
    PersonCard* child = card.persons.Create("Kind", 4);
    child->birth = Date(1 + i % 28, 1 + (i / 28) % 12, 1900 - i / 336);
    child->father = parent;
    children.push_back(child);
  }
  for (auto _ : state) {
    state.PauseTiming();
    parent->children.clear();
    parent->unions.clear();
    for (PersonCard* child : children) {
      parent->children.push_back({child, 0});
      parent->unions.push_back({child, child->birth, "", kNoSlot, 1});
    }
    state.ResumeTiming();
    card.persons.NormaliseFamilyLinks();
  }
}
BENCHMARK(BM_NormaliseOneParentWithMostChildren)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vl

BENCHMARK_MAIN();
