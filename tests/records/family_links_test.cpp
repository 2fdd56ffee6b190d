// Linking children to parents, adding and removing unions.
#include <tuple>

#include "plausibility_fixture.hpp"
#include "records/family_links.hpp"

namespace vl::test {
namespace {

class FamilyLinksTest : public PlausibilityTest {
 protected:
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("M\xFCller K\xE4the", 'F');
  ModifiedFlag modified;

  UnionEntry Entry(PersonCard* spouse, DateTimeValue date, const char* place, uint16_t slot, uint16_t kind = 1) {
    UnionEntry entry;
    entry.spouse = spouse;
    entry.date = date;
    entry.place = place;
    entry.slot = slot;
    entry.kind = kind;
    return entry;
  }
  int Marry(bool church, DateTimeValue date, const char* place, uint16_t slot) {
    return MarryAs(church, church ? 4 : 1, date, place, slot);
  }
  int MarryAs(bool church, uint16_t kind, DateTimeValue date, const char* place, uint16_t slot) {
    // the bride's entry says civil marriage: the groom's kind must hold for both
    return AddUnion(groom, church, Entry(&bride, date, place, slot, kind), Entry(&groom, date, place, slot, 1),
                    modified, prompter);
  }
  static std::vector<uint16_t> UnionIndexes(const PersonCard& parent) {
    std::vector<uint16_t> indexes;
    for (const ChildLink& link : parent.children) indexes.push_back(link.unionIndex);
    return indexes;
  }
  // Spouse, date, place, certificate slot and kind of each union in list order.
  using UnionFields = std::tuple<const PersonCard*, DateTimeValue, std::string, uint16_t, uint16_t>;
  static std::vector<UnionFields> Unions(const PersonCard& person) {
    std::vector<UnionFields> unions;
    for (const UnionEntry& u : person.unions) unions.emplace_back(u.spouse, u.date, u.place, u.slot, u.kind);
    return unions;
  }
  static std::vector<const PersonCard*> Children(const PersonCard& parent) {
    std::vector<const PersonCard*> children;
    for (const ChildLink& link : parent.children) children.push_back(link.child);
    return children;
  }
};

TEST_F(FamilyLinksTest, LinkingSetsParentsAndUnionIndexes) {
  PersonCard& other = Person("Schmitt Maria", 'F');
  PersonCard& child = Person("Weber Anna", 'F');
  AddUnionOn(groom, &other, Year(1870));
  AddUnionOn(groom, &bride, Year(1875));
  AddUnionOn(bride, &groom, Year(1875));
  LinkChildToParents(child, &groom, &bride, ChildLinkMode::Normal, modified);
  EXPECT_EQ(child.father, &groom);
  EXPECT_EQ(child.mother, &bride);
  EXPECT_EQ(Children(groom), std::vector<const PersonCard*>{&child});
  EXPECT_EQ(UnionIndexes(groom), std::vector<uint16_t>{2});
  EXPECT_EQ(Children(bride), std::vector<const PersonCard*>{&child});
  EXPECT_EQ(UnionIndexes(bride), std::vector<uint16_t>{1});
  EXPECT_TRUE(modified.IsSet());
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(FamilyLinksTest, ChildOutsideTheUnionGetsIndexZero) {
  PersonCard& child = Person("Weber Anna", 'F');
  AddUnionOn(groom, &bride, Year(1875));
  AddUnionOn(bride, &groom, Year(1875));
  LinkChildToParents(child, &groom, &bride, ChildLinkMode::OutsideUnion, modified);
  EXPECT_EQ(UnionIndexes(groom), std::vector<uint16_t>{0});
  EXPECT_EQ(UnionIndexes(bride), std::vector<uint16_t>{0});

  // With one parent only there is no union to point at.
  PersonCard& second = Person("Weber Berta", 'F');
  LinkChildToParents(second, &groom, nullptr, ChildLinkMode::Normal, modified);
  EXPECT_EQ(UnionIndexes(groom), (std::vector<uint16_t>{0, 0}));
  EXPECT_EQ(second.mother, nullptr);
}

TEST_F(FamilyLinksTest, NewFatherTakesTheChildFromTheOldOne) {
  PersonCard& old = Person("Schmitt Karl", 'H');
  PersonCard& sibling = Person("Schmitt Paul", 'H');
  PersonCard& child = Person("Weber Anna", 'F');
  MakeParent(old, sibling, true);
  MakeParent(old, child, true);
  MakeParent(bride, child, false);
  PersonCard& earlier = Person("Weber Fritz", 'H');
  MakeParent(groom, earlier, true);

  LinkChildToParents(child, &groom, nullptr, ChildLinkMode::Normal, modified);
  EXPECT_EQ(child.father, &groom);
  EXPECT_EQ(child.mother, &bride);  // kept
  EXPECT_EQ(Children(old), std::vector<const PersonCard*>{&sibling});
  EXPECT_EQ(Children(groom), (std::vector<const PersonCard*>{&earlier, &child}));  // appended
  EXPECT_EQ(Children(bride), std::vector<const PersonCard*>{&child});
}

TEST_F(FamilyLinksTest, SameParentsChangeNothing) {
  PersonCard& child = Person("Weber Anna", 'F');
  MakeParent(groom, child, true);
  groom.children[0].unionIndex = 3;
  LinkChildToParents(child, &groom, nullptr, ChildLinkMode::Normal, modified);
  EXPECT_EQ(UnionIndexes(groom), std::vector<uint16_t>{3});
  EXPECT_FALSE(modified.IsSet());
  LinkChildToParents(child, nullptr, nullptr, ChildLinkMode::Normal, modified);
  EXPECT_EQ(child.father, &groom);
  EXPECT_FALSE(modified.IsSet());
}

TEST_F(FamilyLinksTest, NoDoubleLinksAndNoCardAsItsOwnParent) {
  PersonCard& child = Person("Weber Anna", 'F');
  groom.children.push_back(ChildLink{&child, 0});  // listed without being recorded as father
  LinkChildToParents(child, &groom, nullptr, ChildLinkMode::Normal, modified);
  EXPECT_EQ(Children(groom), std::vector<const PersonCard*>{&child});

  LinkChildToParents(child, &child, &child, ChildLinkMode::Normal, modified);
  EXPECT_EQ(child.father, &groom);
  EXPECT_EQ(child.mother, nullptr);
  EXPECT_TRUE(child.children.empty());
}

TEST_F(FamilyLinksTest, ParentRecordedOnBothSidesKeepsItsOneLink) {
  // The old mother becomes the father: her link stays until she is no parent at all.
  PersonCard& child = Person("Weber Anna", 'F');
  MakeParent(bride, child, false);
  LinkChildToParents(child, &bride, &groom, ChildLinkMode::Normal, modified);
  EXPECT_EQ(child.father, &bride);
  EXPECT_EQ(child.mother, &groom);
  EXPECT_EQ(Children(bride), std::vector<const PersonCard*>{&child});
  EXPECT_EQ(Children(groom), std::vector<const PersonCard*>{&child});
}

TEST_F(FamilyLinksTest, AddUnionAppendsToBothListsAndMarksModified) {
  EXPECT_EQ(Marry(false, DT(1, 5, 1875), "Trier", 4), 1);
  EXPECT_EQ(Unions(groom), (std::vector<UnionFields>{{&bride, DT(1, 5, 1875), "Trier", 4, 1}}));
  EXPECT_EQ(Unions(bride), (std::vector<UnionFields>{{&groom, DT(1, 5, 1875), "Trier", 4, 1}}));
  EXPECT_TRUE(modified.IsSet());
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(FamilyLinksTest, ChurchWeddingReplacesItsOwnKindInPlace) {
  PersonCard& other = Person("Schmitt Maria", 'F');
  AddUnionOn(groom, &other, Year(1860));
  ASSERT_EQ(Marry(true, DT(2, 5, 1875), "St. Gangolf", 7), 1);
  ASSERT_EQ(Marry(false, DT(1, 5, 1875), "Trier", 4), 1);

  // Saving the church wedding again: the kind-4 entries change where they stand, the civil ones stay.
  ASSERT_EQ(Marry(true, DT(3, 5, 1875), "Liebfrauen", 9), 1);
  EXPECT_EQ(Unions(groom), (std::vector<UnionFields>{{&other, Year(1860), "", 0xFFFF, 1},
                                                     {&bride, DT(3, 5, 1875), "Liebfrauen", 9, 4},
                                                     {&bride, DT(1, 5, 1875), "Trier", 4, 1}}));
  EXPECT_EQ(Unions(bride), (std::vector<UnionFields>{{&groom, DT(3, 5, 1875), "Liebfrauen", 9, 4},
                                                     {&groom, DT(1, 5, 1875), "Trier", 4, 1}}));
}

TEST_F(FamilyLinksTest, AddUnionRenumbersTheCouplesChildren) {
  PersonCard& other = Person("Schmitt Maria", 'F');
  PersonCard& both = Person("Weber Anna", 'F');
  PersonCard& fatherOnly = Person("Weber Berta", 'F');
  PersonCard& motherOnly = Person("M\xFCller Clara", 'F');
  PersonCard& halfSibling = Person("Weber Dora", 'F');
  MakeParent(groom, both, true);
  MakeParent(bride, both, false);
  MakeParent(groom, fatherOnly, true);
  MakeParent(bride, motherOnly, false);
  MakeParent(groom, halfSibling, true);
  MakeParent(other, halfSibling, false);
  for (ChildLink& link : groom.children) link.unionIndex = 9;
  for (ChildLink& link : bride.children) link.unionIndex = 9;
  AddUnionOn(groom, &other, Year(1860));

  ASSERT_EQ(Marry(false, Year(1875), "Trier", 1), 1);
  // groom: both, fatherOnly, halfSibling; a civil marriage gives single-parent children 0
  EXPECT_EQ(UnionIndexes(groom), (std::vector<uint16_t>{2, 0, 9}));
  EXPECT_EQ(UnionIndexes(bride), (std::vector<uint16_t>{1, 0}));

  ASSERT_EQ(Marry(true, Year(1875), "Trier", 2), 1);
  EXPECT_EQ(UnionIndexes(groom), (std::vector<uint16_t>{3, 3, 9}));
  EXPECT_EQ(UnionIndexes(bride), (std::vector<uint16_t>{2, 2}));
}

TEST_F(FamilyLinksTest, TheUnionsKindComesFromTheUnionNotFromTheChurchFlag) {
  ASSERT_EQ(MarryAs(true, 1, Year(1875), "Trier", 3), 1);
  ASSERT_EQ(MarryAs(false, 4, Year(1876), "St. Gangolf", 5), 1);
  EXPECT_EQ(Unions(groom), (std::vector<UnionFields>{{&bride, Year(1875), "Trier", 3, 1},
                                                     {&bride, Year(1876), "St. Gangolf", 5, 4}}));
  EXPECT_EQ(Unions(bride), (std::vector<UnionFields>{{&groom, Year(1875), "Trier", 3, 1},
                                                     {&groom, Year(1876), "St. Gangolf", 5, 4}}));
}

TEST_F(FamilyLinksTest, AddUnionRefusals) {
  struct Case {
    PersonCard* child;   // listed among the children of `parent`
    PersonCard* parent;  // nullptr: no child listed
    char groomSex, brideSex;
    int id;
    const char* text;
  };
  const char* const childOf = " und kann nicht gleichzeitig einer der Ehegatten sein!";
  const Case cases[] = {
      {&bride, &groom, 'H', 'F', 8236, "Müller Käthe ist ein Kind von Weber Johann"},
      {&groom, &groom, 'H', 'F', 8236, "Weber Johann ist ein Kind von Weber Johann"},
      {&bride, &bride, 'H', 'F', 8236, "Müller Käthe ist ein Kind von Müller Käthe"},
      {&groom, &bride, 'H', 'F', 8236, "Weber Johann ist ein Kind von Müller Käthe"},
      {nullptr, nullptr, 'F', 'F', 8237, "Weber Johann ist eine Frau und kann nicht der Bräutigam sein!"},
      {nullptr, nullptr, ' ', 'H', 8238, "Müller Käthe ist ein Mann und kann nicht die Braut sein!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    groom.sex = c.groomSex;
    bride.sex = c.brideSex;
    groom.children.clear();
    bride.children.clear();
    if (c.parent != nullptr) c.parent->children.push_back(ChildLink{c.child, 0});
    ScriptedPrompter shown(true);
    ModifiedFlag flag;
    EXPECT_EQ(AddUnion(groom, false, Entry(&bride, Year(1875), "", 1), Entry(&groom, Year(1875), "", 1), flag, shown),
              -1);
    ASSERT_EQ(shown.shown.size(), 1u);
    EXPECT_EQ(shown.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(shown.shown[0].id, c.id);
    EXPECT_EQ(shown.shown[0].text, c.id == 8236 ? c.text + std::string(childOf) : c.text);
    EXPECT_TRUE(groom.unions.empty());
    EXPECT_TRUE(bride.unions.empty());
    EXPECT_FALSE(flag.IsSet());
  }
}

TEST_F(FamilyLinksTest, UnionOfACardWithItselfIsRefused) {
  EXPECT_EQ(AddUnion(groom, false, Entry(&groom, Year(1875), "", 1), Entry(&groom, Year(1875), "", 1), modified,
                     prompter),
            -1);
  EXPECT_TRUE(groom.unions.empty());
  AddUnionOn(groom, &groom, Year(1870));
  EXPECT_EQ(RemoveUnion(groom, groom, modified, prompter), -1);
  EXPECT_EQ(groom.unions.size(), 1u);
  EXPECT_FALSE(modified.IsSet());
  ASSERT_EQ(Ids(), (std::vector<int>{8179, 8179}));
  for (const ShownMessage& shown : prompter.shown) {
    EXPECT_EQ(shown.kind, BoxKind::Information);
    EXPECT_EQ(shown.text, "Braut und Bräutigam sind identisch!");
  }
}

TEST_F(FamilyLinksTest, RemoveUnionRenumbersChildLinks) {
  PersonCard& first = Person("Schmitt Maria", 'F');
  PersonCard& third = Person("Klein Eva", 'F');
  AddUnionOn(groom, &first, Year(1860));
  AddUnionOn(groom, &bride, Year(1870));
  AddUnionOn(groom, &third, Year(1880));
  AddUnionOn(bride, &groom, Year(1870));
  AddUnionOn(bride, &groom, Year(1871), 4);
  for (uint16_t index : {1, 2, 3, 0}) {
    PersonCard& child = Person("Weber Kind");
    groom.children.push_back(ChildLink{&child, index});
  }
  PersonCard& brideChild = Person("Weber Kind");
  bride.children.push_back(ChildLink{&brideChild, 1});
  bride.children.push_back(ChildLink{&brideChild, 2});

  EXPECT_EQ(RemoveUnion(groom, bride, modified, prompter), 1);
  EXPECT_EQ(Unions(groom), (std::vector<UnionFields>{{&first, Year(1860), "", 0xFFFF, 1},
                                                     {&third, Year(1880), "", 0xFFFF, 1}}));
  EXPECT_EQ(UnionIndexes(groom), (std::vector<uint16_t>{1, 0, 2, 0}));
  // only the first union with the groom goes
  EXPECT_EQ(Unions(bride), (std::vector<UnionFields>{{&groom, Year(1871), "", 0xFFFF, 4}}));
  EXPECT_EQ(UnionIndexes(bride), (std::vector<uint16_t>{0, 1}));
  EXPECT_TRUE(modified.IsSet());
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(FamilyLinksTest, RemovingAChurchWeddingKeepsTheChildLinksOfTheCivilMarriage) {
  AddUnionOn(groom, &bride, Year(1869), 4);
  AddUnionOn(groom, &bride, Year(1870));
  PersonCard& child = Person("Weber Kind");
  groom.children.push_back(ChildLink{&child, 1});  // the first civil marriage
  EXPECT_EQ(RemoveUnion(groom, bride, modified, prompter), 1);
  EXPECT_EQ(Unions(groom), (std::vector<UnionFields>{{&bride, Year(1870), "", 0xFFFF, 1}}));
  EXPECT_EQ(UnionIndexes(groom), (std::vector<uint16_t>{1}));
}

TEST_F(FamilyLinksTest, RemoveUnionOnOneSideOnlyAndNothingToRemove) {
  AddUnionOn(bride, &groom, Year(1870));
  EXPECT_EQ(RemoveUnion(groom, bride, modified, prompter), 1);
  EXPECT_TRUE(bride.unions.empty());

  ModifiedFlag untouched;
  EXPECT_EQ(RemoveUnion(groom, bride, untouched, prompter), -1);
  EXPECT_FALSE(untouched.IsSet());
  EXPECT_TRUE(prompter.Empty());
}

}  // namespace
}  // namespace vl::test
