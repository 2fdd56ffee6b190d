#pragma once
// The open card file: its number, header, working notes, person cards and name lists.
#include <string>

#include "common/prompter.hpp"
#include "storage/card_file_header.hpp"
#include "storage/modified_flag.hpp"
#include "storage/name_list.hpp"
#include "storage/person_index.hpp"

namespace vl {

struct CardFile {
  explicit CardFile(Prompter& prompter) : persons(header, modified, prompter) {}
  CardFile(const CardFile&) = delete;
  CardFile& operator=(const CardFile&) = delete;

  // Forgets every card, entry and text (closing).
  void Clear() {
    persons.Clear();
    places.Clear();
    professions.Clear();
    notes.clear();
    modified.Clear();
  }

  int number = 0;
  CardFileHeader header;
  std::string notes;  // working notes, Windows-1252, at most 1999 bytes
  ModifiedFlag modified;
  PersonIndex persons;
  NameList places{modified};
  NameList professions{modified};
};

}  // namespace vl
