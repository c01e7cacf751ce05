#pragma once
// Rules for the program's 8-bit texts in code page 936: a byte from 0x81 to 0xFE starts a
// double-byte character, so searches step over such pairs and match only on character starts.
#include <cstddef>
#include <string>

bool IsGbkLeadByte(unsigned char byte);

// Byte length of the character that starts at `pos` (1 or 2; 1 at a lone lead byte at the end).
std::size_t GbkCharLength(const std::string& text, std::size_t pos);

// First position at or after `from` where `part` starts on a character boundary, or npos.
// An empty part is found at `from`.
std::size_t FindOnCharBoundary(const std::string& text, const std::string& part, std::size_t from = 0);

bool ContainsOnCharBoundary(const std::string& text, const std::string& part);

// ASCII capitals to small letters; both bytes of a double-byte character are left alone.
std::string FoldAsciiCase(const std::string& text);
