#pragma once
// Windows-1252 text: conversion at the edges and comparison without regard to case.
#include <string>
#include <string_view>

namespace vl {

std::string Cp1252ToUtf8(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);

// Upper-case counterpart of a Windows-1252 byte (ä -> Ä, é -> É, ÿ -> Ÿ); others unchanged.
unsigned char FoldCp1252(unsigned char c);
std::string FoldedCp1252(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, on folded bytes.
int CompareNoCase(std::string_view a, std::string_view b);

// Alphabetical order for lists shown to the user: case ignored and letters with diacritics
// among their base letters (Ä with A, ß as SS), as German dictionaries sort; ties are
// broken by CompareNoCase and then by the bytes, so the order is total.
int CompareForSorting(std::string_view a, std::string_view b);

}  // namespace vl
