#include "common/gbk_text.h"

#include <gtest/gtest.h>

TEST(GbkText, MatchStartsOnlyOnCharacterBoundary) {
  // "中文": D6 D0 CE C4. The bytes D0 CE straddle the two characters.
  const std::string text = "\xD6\xD0\xCE\xC4";
  EXPECT_FALSE(ContainsOnCharBoundary(text, "\xD0\xCE"));
  EXPECT_TRUE(ContainsOnCharBoundary(text, "\xCE\xC4"));
  EXPECT_EQ(FindOnCharBoundary("a\xD6\xD0" "b", "b"), 3u);
}

TEST(GbkText, TrailByteThatLooksLikeAsciiIsNotMatched) {
  // 0x5C (backslash) is a valid trail byte in code page 936.
  EXPECT_FALSE(ContainsOnCharBoundary("\x81\x5C", "\\"));
  EXPECT_TRUE(ContainsOnCharBoundary("\x81\x5C\\", "\\"));
}

TEST(GbkText, FoldsOnlyAsciiCapitals) {
  EXPECT_EQ(FoldAsciiCase("AbC\x81" "A" "Z"), "abc\x81" "Az");
}
