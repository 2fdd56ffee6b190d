#include <gtest/gtest.h>

#include <vector>

#include "dates/life_estimates.hpp"

namespace vl {
namespace {

DateTimeValue DT(int day, int month, int year) {
  return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year), 10, 30};
}

const DateTimeValue kNoDate = DT(-1, -1, -1);

struct Estimate {
  int16_t source;
  int16_t day, month, year;
};

struct LifeCase {
  const char* label;
  DateTimeValue birth, baptism, death;
  std::vector<DateTimeValue> unions;
  Estimate earliest, latest;
};

const LifeCase kCases[] = {
    {"all three events", DT(5, 3, 1850), DT(7, 3, 1850), DT(1, 2, 1900), {}, {1, 5, 3, 1850}, {1, 1, 2, 1900}},
    {"birth without year", DT(5, 3, 0), DT(-1, 3, 1850), DT(1, 1, 1900), {}, {2, -1, 3, 1850}, {1, 1, 1, 1900}},
    {"earliest of the unions",
     kNoDate,
     kNoDate,
     DT(1, 1, 1900),
     {DT(3, 4, 1880), DT(-1, -1, -1), DT(9, 6, 1875), DT(1, 1, 1878)},
     {3, 9, 6, 1775},
     {1, 1, 1, 1900}},
    {"latest of the unions",
     DT(5, 3, 1850),
     DT(7, 3, 1850),
     kNoDate,
     {DT(9, 6, 1875), DT(3, 4, 1880), DT(1, 1, 1878)},
     {1, 5, 3, 1850},
     {2, 3, 4, 1980}},
    {"only a death date", kNoDate, kNoDate, DT(-1, -1, 1900), {}, {4, -1, -1, 1750}, {1, -1, -1, 1900}},
    {"unions without years are skipped",
     kNoDate,
     kNoDate,
     DT(1, 1, 1900),
     {DT(5, 5, -1), DT(5, 5, 0)},
     {4, 1, 1, 1750},
     {1, 1, 1, 1900}},
    // 1875 and 2.12.1875 compare as the same date; the first one found stays.
    {"bare union year",
     kNoDate,
     kNoDate,
     kNoDate,
     {DT(-1, -1, 1875), DT(2, 12, 1875)},
     {3, -1, -1, 1775},
     {2, -1, -1, 1975}},
    // The earliest birth prefers the baptism to the unions, the latest end of life the unions to both.
    {"baptism and a union", kNoDate, DT(7, 3, 1851), kNoDate, {DT(1, 1, 1878)}, {2, 7, 3, 1851}, {2, 1, 1, 1978}},
    // Birth and baptism give the latest year only.
    {"birth and baptism", DT(5, 3, 1850), DT(7, 3, 1851), kNoDate, {}, {1, 5, 3, 1850}, {3, 0, 0, 2000}},
    {"baptism only", kNoDate, DT(7, 3, 1851), kNoDate, {}, {2, 7, 3, 1851}, {4, 0, 0, 2001}},
    {"nothing known", kNoDate, kNoDate, kNoDate, {}, {-1, 0, 0, 0}, {-1, 0, 0, 0}},
    // Bare years up to 32767 are accepted on entry; adding the margin must not wrap to a negative year.
    {"birth near the 16-bit end", DT(-1, -1, 32700), kNoDate, kNoDate, {}, {1, -1, -1, 32700}, {3, 0, 0, 32767}},
    {"union near the 16-bit end", kNoDate, kNoDate, kNoDate, {DT(1, 1, 32700)}, {3, 1, 1, 32600}, {2, 1, 1, 32767}},
};

TEST(LifeEstimates, EarliestBirthAndLatestEndOfLife) {
  for (const LifeCase& c : kCases) {
    SCOPED_TRACE(c.label);
    PersonCard card;
    card.birth = c.birth;
    card.baptism = c.baptism;
    card.death = c.death;
    for (const DateTimeValue& date : c.unions) {
      UnionEntry entry;
      entry.date = date;
      card.unions.push_back(entry);
    }
    // The calendar tag of the out-value is not written; the rest is cleared first.
    DateValue earliest{1, 9, 9, 9};
    EXPECT_EQ(EarliestBirthEstimate(card, earliest), c.earliest.source);
    EXPECT_EQ(earliest, (DateValue{1, c.earliest.day, c.earliest.month, c.earliest.year}));
    DateValue latest{1, 9, 9, 9};
    EXPECT_EQ(LatestLifeEstimate(card, latest), c.latest.source);
    EXPECT_EQ(latest, (DateValue{1, c.latest.day, c.latest.month, c.latest.year}));
  }
}

}  // namespace
}  // namespace vl
