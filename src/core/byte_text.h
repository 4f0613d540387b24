#pragma once
// Substring helpers over the program's Windows-1252 byte strings.
//
// Every position in the program's text formats counts bytes from 1, with 0
// meaning "not found", and a substring request that runs past either end of
// the text is clipped rather than refused. These helpers keep that arithmetic
// in one place so the parsers can follow the formats step by step.

#include <string>
#include <string_view>
#include <vector>

namespace qvk::text {

// Position (from 1) of the first occurrence of needle in s; 0 when absent.
std::size_t pos(std::string_view needle, std::string_view s);

// Up to count bytes of s from position index (from 1). An index below 1 counts
// as 1; a count of 0 or less, or an index past the end, gives an empty text.
std::string copy(std::string_view s, long long index, long long count);

// Removes up to count bytes of s from position index (from 1); an index
// outside s or a count of 0 or less leaves s unchanged.
void erase(std::string& s, long long index, long long count);

bool contains(std::string_view s, std::string_view needle);

// Upper-cases the ASCII letters a to z only; every other byte stays as it is.
std::string upperAscii(std::string_view s);

// Space, tab, CR and LF.
bool isBlank(char c);

// The ASCII digits 0 to 9 only, whatever the locale.
bool isDigit(char c);

// s without the blanks at either end.
std::string_view trimBlanks(std::string_view s);

// The runs of non-blank bytes of s, in order.
std::vector<std::string_view> blankSeparatedWords(std::string_view s);

}  // namespace qvk::text
