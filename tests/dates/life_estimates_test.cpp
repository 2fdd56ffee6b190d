#include <gtest/gtest.h>

#include "dates/life_estimates.hpp"

namespace vl {
namespace {

DateTimeValue DT(int day, int month, int year) {
  return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year), 10, 30};
}

DateValue D(int day, int month, int year) {
  return DateValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year)};
}

const DateTimeValue kNoDate = DT(-1, -1, -1);

PersonCard Person(DateTimeValue birth, DateTimeValue baptism, DateTimeValue death) {
  PersonCard card;
  card.birth = birth;
  card.baptism = baptism;
  card.death = death;
  return card;
}

void AddUnion(PersonCard& card, DateTimeValue date) {
  UnionEntry entry;
  entry.date = date;
  card.unions.push_back(entry);
}

TEST(EarliestBirthEstimate, EachSource) {
  DateValue estimate{kRepublican, 9, 9, 9};
  EXPECT_EQ(EarliestBirthEstimate(Person(DT(5, 3, 1850), DT(7, 3, 1850), DT(1, 1, 1900)), estimate), 1);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 5, 3, 1850}));  // the calendar tag is not written

  EXPECT_EQ(EarliestBirthEstimate(Person(DT(5, 3, 0), DT(-1, 3, 1850), DT(1, 1, 1900)), estimate), 2);
  EXPECT_EQ(estimate, (DateValue{kRepublican, -1, 3, 1850}));

  PersonCard married = Person(kNoDate, kNoDate, DT(1, 1, 1900));
  AddUnion(married, DT(3, 4, 1880));
  AddUnion(married, DT(-1, -1, -1));
  AddUnion(married, DT(9, 6, 1875));
  AddUnion(married, DT(1, 1, 1878));
  EXPECT_EQ(EarliestBirthEstimate(married, estimate), 3);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 9, 6, 1775}));

  EXPECT_EQ(EarliestBirthEstimate(Person(kNoDate, kNoDate, DT(1, 1, 1900)), estimate), 4);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 1, 1, 1750}));

  estimate = DateValue{kRepublican, 9, 9, 9};
  EXPECT_EQ(EarliestBirthEstimate(Person(kNoDate, kNoDate, kNoDate), estimate), -1);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 0, 0, 0}));
}

TEST(EarliestBirthEstimate, UnionsWithoutYearsAreSkipped) {
  PersonCard card = Person(kNoDate, kNoDate, DT(-1, -1, 1900));
  AddUnion(card, DT(5, 5, -1));
  AddUnion(card, DT(5, 5, 0));
  DateValue estimate;
  EXPECT_EQ(EarliestBirthEstimate(card, estimate), 4);
  EXPECT_EQ(estimate, D(-1, -1, 1750));
}

TEST(EarliestBirthEstimate, BareYearUnionKeepsTheFirstOfItsYear) {
  // 1875 and 12.1875 compare as the same date; the first one found stays.
  PersonCard card = Person(kNoDate, kNoDate, kNoDate);
  AddUnion(card, DT(-1, -1, 1875));
  AddUnion(card, DT(2, 12, 1875));
  DateValue estimate;
  EXPECT_EQ(EarliestBirthEstimate(card, estimate), 3);
  EXPECT_EQ(estimate, D(-1, -1, 1775));
}

TEST(LatestLifeEstimate, EachSource) {
  DateValue estimate{kRepublican, 9, 9, 9};
  EXPECT_EQ(LatestLifeEstimate(Person(DT(5, 3, 1850), DT(7, 3, 1850), DT(1, 2, 1900)), estimate), 1);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 1, 2, 1900}));

  PersonCard married = Person(DT(5, 3, 1850), DT(7, 3, 1850), kNoDate);
  AddUnion(married, DT(9, 6, 1875));
  AddUnion(married, DT(3, 4, 1880));
  AddUnion(married, DT(1, 1, 1878));
  EXPECT_EQ(LatestLifeEstimate(married, estimate), 2);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 3, 4, 1980}));

  // Birth and baptism give the year only.
  EXPECT_EQ(LatestLifeEstimate(Person(DT(5, 3, 1850), DT(7, 3, 1851), kNoDate), estimate), 3);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 0, 0, 2000}));
  EXPECT_EQ(LatestLifeEstimate(Person(kNoDate, DT(7, 3, 1851), kNoDate), estimate), 4);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 0, 0, 2001}));

  EXPECT_EQ(LatestLifeEstimate(Person(kNoDate, kNoDate, kNoDate), estimate), -1);
  EXPECT_EQ(estimate, (DateValue{kRepublican, 0, 0, 0}));
}

TEST(LifeEstimates, OnlyADeathDate) {
  const PersonCard card = Person(kNoDate, kNoDate, DT(-1, -1, 1900));
  DateValue earliest;
  DateValue latest;
  EXPECT_EQ(EarliestBirthEstimate(card, earliest), 4);
  EXPECT_EQ(earliest.year, 1750);
  EXPECT_EQ(LatestLifeEstimate(card, latest), 1);
  EXPECT_EQ(latest.year, 1900);
}

TEST(LifeEstimates, ShiftedYearsStayWithin16Bits) {
  // Bare years up to 32767 are accepted on entry; adding the margin must not wrap to a negative year.
  const PersonCard card = Person(DT(-1, -1, 32700), kNoDate, kNoDate);
  DateValue latest;
  EXPECT_EQ(LatestLifeEstimate(card, latest), 3);
  EXPECT_EQ(latest.year, 32767);
  PersonCard married = Person(kNoDate, kNoDate, kNoDate);
  AddUnion(married, DT(1, 1, 32700));
  EXPECT_EQ(LatestLifeEstimate(married, latest), 2);
  EXPECT_EQ(latest.year, 32767);
}

}  // namespace
}  // namespace vl
