#include "common/gbk_text.h"

bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::size_t GbkCharLength(const std::string& text, std::size_t pos) {
  if (IsGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
  return 1;
}

std::size_t FindOnCharBoundary(const std::string& text, const std::string& part, std::size_t from) {
  std::size_t pos = 0;
  while (pos < from && pos < text.size()) pos += GbkCharLength(text, pos);
  for (; pos + part.size() <= text.size(); pos += GbkCharLength(text, pos)) {
    if (text.compare(pos, part.size(), part) == 0) return pos;
    if (pos == text.size()) break;
  }
  return std::string::npos;
}

bool ContainsOnCharBoundary(const std::string& text, const std::string& part) {
  return FindOnCharBoundary(text, part) != std::string::npos;
}

std::string FoldAsciiCase(const std::string& text) {
  std::string folded = text;
  for (std::size_t pos = 0; pos < folded.size();) {
    const std::size_t length = GbkCharLength(folded, pos);
    if (length == 1 && folded[pos] >= 'A' && folded[pos] <= 'Z') folded[pos] = static_cast<char>(folded[pos] - 'A' + 'a');
    pos += length;
  }
  return folded;
}
