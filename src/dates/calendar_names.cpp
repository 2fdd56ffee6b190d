#include "dates/calendar_names.hpp"

#include "common/cp1252.hpp"
#include "common/messages.hpp"

namespace vl {
namespace {

std::string NameFromTable(int firstId, int count, int number) {
  if (number < 1 || number > count) return "";
  return Utf8ToCp1252(MessageText(firstId + number - 1));
}

}  // namespace

std::string GregorianMonthName(int month) { return NameFromTable(8274, 12, month); }
std::string RepublicanMonthName(int month) { return NameFromTable(8286, 13, month); }
std::string RepublicanYearName(int year) { return NameFromTable(8299, 15, year); }

}  // namespace vl
