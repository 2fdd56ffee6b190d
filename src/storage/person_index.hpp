#pragma once
// All person cards of the open card file, in ascending person number; the only owner of the cards.
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/prompter.hpp"
#include "storage/card_file_header.hpp"
#include "storage/modified_flag.hpp"
#include "storage/person_card.hpp"

namespace vl {

class PersonIndex {
  using Map = std::multimap<uint16_t, std::unique_ptr<PersonCard>>;

 public:
  // Iterates the cards in index order.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = PersonCard;
    using difference_type = std::ptrdiff_t;
    using pointer = PersonCard*;
    using reference = PersonCard&;
    const_iterator() = default;
    explicit const_iterator(Map::const_iterator it) : it_(it) {}
    PersonCard& operator*() const { return *it_->second; }
    PersonCard* operator->() const { return it_->second.get(); }
    const_iterator& operator++() {
      ++it_;
      return *this;
    }
    const_iterator operator++(int) {
      auto copy = *this;
      ++it_;
      return copy;
    }
    bool operator==(const const_iterator&) const = default;

   private:
    Map::const_iterator it_;
  };

  PersonIndex(CardFileHeader& header, ModifiedFlag& modified, Prompter& prompter);
  PersonIndex(const PersonIndex&) = delete;
  PersonIndex& operator=(const PersonIndex&) = delete;

  const_iterator begin() const { return const_iterator(cards_.begin()); }
  const_iterator end() const { return const_iterator(cards_.end()); }
  size_t Count() const { return cards_.size(); }
  bool Empty() const { return cards_.empty(); }

  // A new card with the lowest free person number; nullptr after 8020 when none is left.
  PersonCard* Create(std::string_view fullName, uint16_t surnameLength);
  // A card with a stored number and rank (loading, import); number 0 is refused with 8020.
  PersonCard* CreateWithNumber(std::string_view fullName, uint16_t surnameLength, uint16_t number, uint16_t rank);

  PersonCard* Find(uint16_t number) const;
  bool NameEquals(std::string_view text, uint16_t number) const;
  // The cards whose full name equals fullName without regard to case, in index order; none
  // for an empty name. Looked up, not searched, so that saving stays fast in large files.
  std::vector<PersonCard*> FindByName(std::string_view fullName) const;

  void SetFullName(PersonCard& card, std::string_view text, uint16_t surnameLength);
  void SetPhoto(PersonCard& card, std::string_view text);
  void SetProfession(PersonCard& card, std::string_view text);
  void SetProfessionPlace(PersonCard& card, std::string_view text);
  void SetNotes(PersonCard& card, std::string_view text);
  void SetNumberText(PersonCard& card, std::string_view text);
  // Kind 0 sets birth, 2 and 5 death, 3 baptism; other kinds set nothing.
  void SetDate(PersonCard& card, const DateTimeValue& value, std::string_view place, int kind);
  void SetSex(PersonCard& card, char sex);
  void SetCertificateSlot(PersonCard& card, uint16_t slot, int kind);
  // false when the file name is empty.
  bool AddDocument(PersonCard& card, std::string_view description, std::string_view file);
  void RemoveDocuments(PersonCard& card);

  // Removes the card with every link to it; other cards keep gap-free ranks.
  void Delete(PersonCard* card);
  void ClearVisitedMarks();
  // Sorts children and unions by date and recomputes the union indexes of all child links.
  void NormaliseFamilyLinks();
  // The same after changes confined to the touched cards (their dates, parents, children and
  // unions): sorts them and their parents only. Until the whole index has been normalised once
  // since loading, it normalises the whole index.
  void NormaliseFamilyLinksAround(const std::vector<PersonCard*>& touched);
  // Releases every card (closing the card file).
  void Clear();

  ModifiedFlag& Modified() { return modified_; }
  CardFileHeader& Header() { return header_; }

 private:
  PersonCard* Insert(std::unique_ptr<PersonCard> card);
  std::unique_ptr<PersonCard> NewCard(std::string_view fullName, uint16_t surnameLength) const;
  bool ReplaceText(std::string& field, std::string_view text, bool acceptEmpty);
  void IndexName(PersonCard& card);
  void UnindexName(const PersonCard& card);
  void MarkUsed(uint16_t number);
  void MarkUnused(uint16_t number);
  uint32_t LowestFreeNumber();

  CardFileHeader& header_;
  ModifiedFlag& modified_;
  Prompter& prompter_;
  Map cards_;
  // How many cards carry each number (a damaged file may repeat one), and a bound below
  // which every number is taken, so numbering stays linear over many creations.
  std::vector<uint16_t> useCount_ = std::vector<uint16_t>(65536, 0);
  uint32_t freeHint_ = 1;
  bool linksInOrder_ = false;
  // Folded full name -> card; every change of a full name goes through SetFullName.
  std::unordered_multimap<std::string, PersonCard*> byName_;
};

// Removes a person's links to and from the card file's other cards: parents, children, unions.
void UnlinkPerson(PersonCard& card);

}  // namespace vl
