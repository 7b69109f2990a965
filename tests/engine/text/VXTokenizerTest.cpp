#include "engine/text/VXTokenizer.h"

#include "engine/text/VXCharacterClasses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

Words words(const VXCharacterClassTable& table, std::string text)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&table);
    tokenizer.setText(&text);
    Words result;
    for (std::string word = tokenizer.nextToken(); !word.empty(); word = tokenizer.nextToken()) {
        result.push_back(word);
    }
    return result;
}

} // namespace

TEST(VXTokenizer, WordsThenEmptyForeverRestOfLineDropsTrailingBlanks)
{
    std::string text = "  v 1.0  2.0";
    VXTokenizer tokenizer;
    tokenizer.setTable(&objWordCharacterClasses);
    tokenizer.setText(&text);
    EXPECT_EQ(text, "  v 1.0  2.0\n");
    EXPECT_EQ(tokenizer.nextToken(), "v");
    EXPECT_EQ(tokenizer.nextToken(), "1.0");
    EXPECT_EQ(tokenizer.nextToken(), "2.0");
    EXPECT_EQ(tokenizer.nextToken(), "");
    EXPECT_EQ(tokenizer.nextToken(), "");

    text = "newmtl  my mat  \t";
    tokenizer.setText(&text);
    EXPECT_EQ(tokenizer.nextToken(), "newmtl");
    EXPECT_EQ(tokenizer.restOfLine(), "my mat");
    EXPECT_EQ(tokenizer.nextToken(), "");
}

TEST(VXTokenizer, InvalidByteEmptiesItsWordButConsumesIt)
{
    std::string text = "#include <a.glsl> next";
    VXTokenizer tokenizer;
    tokenizer.setTable(&directiveCharacterClasses);
    tokenizer.setText(&text);
    EXPECT_EQ(tokenizer.nextToken(), "#include");
    EXPECT_EQ(tokenizer.nextToken(), "");
    EXPECT_EQ(tokenizer.position, 17);
    EXPECT_EQ(tokenizer.nextToken(), "next");
}

TEST(VXTokenizer, PresetsSplitTheirFormats)
{
    EXPECT_EQ(words(objNumberCharacterClasses, "1//3"), Words({"1", "3"}));
    EXPECT_EQ(words(objNumberCharacterClasses, "1/2/3"), Words({"1", "2", "3"}));
    EXPECT_EQ(words(pathCharacterClasses, "Data\\Models\\a b.obj"), Words({"Data", "Models", "a b.obj"}));
    EXPECT_EQ(words(orientationCharacterClasses, "(10, 20,30)"), Words({"10", "20", "30"}));
    EXPECT_EQ(words(stanceCharacterClasses, "Bone: Arm\r"), Words({"Bone:", "Arm\r"}));
}

TEST(VXTokenizer, NeverReadsOutsideTheText)
{
    EXPECT_EQ(words(objWordCharacterClasses, std::string("a b\0c d", 7)), Words({"a", "b"}));
    EXPECT_EQ(words(objWordCharacterClasses, "\x80\xff \xc8"), Words({"\x80\xff", "\xc8"}));
    std::string longLine(4 << 20, 'x');
    longLine[1000] = ' ';
    EXPECT_EQ(words(objWordCharacterClasses, longLine).size(), 2u);

    // A table of the caller's own without end bytes: the end of the string ends the text.
    VXCharacterClassTable noEnd = VXCharacterClassTable::makeBlankDelimited();
    noEnd.classOf[0] = VXCharacterClassTable::Token;
    noEnd.classOf[static_cast<unsigned char>('\n')] = VXCharacterClassTable::Token;
    std::string text = "ab cd";
    VXTokenizer tokenizer;
    tokenizer.setTable(&noEnd);
    tokenizer.setText(&text);
    EXPECT_EQ(tokenizer.nextToken(), "ab");
    EXPECT_EQ(tokenizer.restOfLine(), "cd\n");
    EXPECT_EQ(tokenizer.nextToken(), "");
}
