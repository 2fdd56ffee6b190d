#pragma once
// Record-by-record reading of the person-card file, with links still as person numbers.
#include <optional>
#include <vector>

#include "common/byte_io.hpp"
#include "storage/person_card.hpp"

namespace vl {

struct StoredUnion {
  uint16_t spouse = 0;
  UnionEntry entry;
};

struct StoredChild {
  uint16_t child = 0;
  uint16_t unionIndex = 0;
};

// One record as stored: the card's own fields plus the person numbers of its links.
struct StoredPerson {
  PersonCard card;
  uint16_t father = 0;
  uint16_t mother = 0;
  std::vector<StoredChild> children;
  std::vector<StoredUnion> unions;
};

class PersonRecordReader {
 public:
  struct Sync {
    bool found = false;       // false: the file ended first
    bool strayBytes = false;  // bytes other than the marker came before it (or before the end)
  };

  explicit PersonRecordReader(const std::vector<uint8_t>& bytes) : reader_(bytes) {}
  // Skips to just behind the next four marker bytes.
  Sync Synchronise();
  // The record behind the marker; nullopt when the file ends inside it.
  std::optional<StoredPerson> ReadRecord();

 private:
  ByteReader reader_;
};

}  // namespace vl
