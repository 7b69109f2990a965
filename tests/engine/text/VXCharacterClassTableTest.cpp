#include "engine/text/VXCharacterClasses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Read during static initialisation: the tables must already be built then.
const bool backslashDelimitedAtStartup = pathCharacterClasses.isDelimiter('\\');

// One class digit (0 invalid, 1 delimiter, 2 token, 3 end) per sample byte.
std::string classesOf(const VXCharacterClassTable& table)
{
    const std::string sample = std::string(" \t,()/\\.\r-<\"aZ9#_\n") + '\0' + '\xc8';
    std::string classes;
    for (char c : sample) {
        classes += static_cast<char>('0' + table.classOf[static_cast<unsigned char>(c)]);
    }
    return classes;
}

} // namespace

TEST(VXCharacterClassTable, PresetsClassEveryKindOfByte)
{
    //                                                         " \t,()/\.\r-<"aZ9#_\n\0\xc8
    EXPECT_EQ(classesOf(VXCharacterClassTable()),                   "11100000000000000330");
    EXPECT_EQ(classesOf(VXCharacterClassTable::makeBlankDelimited()), "11222222222222222332");
    EXPECT_EQ(classesOf(VXCharacterClassTable::makeNumberList()),     "11111222222222222332");
    EXPECT_EQ(classesOf(VXCharacterClassTable::makeSlashDelimited()), "11222122222222222332");
    EXPECT_EQ(classesOf(VXCharacterClassTable::makePathSeparator()),  "22222212222222222332");
    EXPECT_EQ(classesOf(VXCharacterClassTable::makeExtensionSeparator()), "22222221222222222332");
    EXPECT_EQ(classesOf(VXCharacterClassTable::makeIdentifier()),     "11100000000022222330");
    EXPECT_TRUE(directiveCharacterClasses.isInvalid('\xc8'));
    EXPECT_TRUE(objWordCharacterClasses.isToken('\xff'));
}

TEST(VXCharacterClassTable, GlobalTablesAreBuiltBeforeMainByTheirPresets)
{
    EXPECT_TRUE(backslashDelimitedAtStartup);
    const std::string blank = classesOf(VXCharacterClassTable::makeBlankDelimited());
    const std::string numbers = classesOf(VXCharacterClassTable::makeNumberList());
    EXPECT_EQ(classesOf(stanceCharacterClasses), blank);
    EXPECT_EQ(classesOf(stanceSetCharacterClasses), blank);
    EXPECT_EQ(classesOf(choreographyCharacterClasses), blank);
    EXPECT_EQ(classesOf(objWordCharacterClasses), blank);
    EXPECT_EQ(classesOf(skeletonCharacterClasses), blank);
    EXPECT_EQ(classesOf(orientationCharacterClasses), numbers);
    EXPECT_EQ(classesOf(skeletonNumberCharacterClasses), numbers);
    EXPECT_EQ(classesOf(pathCharacterClasses), classesOf(VXCharacterClassTable::makePathSeparator()));
    EXPECT_EQ(classesOf(extensionCharacterClasses), classesOf(VXCharacterClassTable::makeExtensionSeparator()));
    EXPECT_EQ(classesOf(directiveCharacterClasses), classesOf(VXCharacterClassTable::makeIdentifier()));
    EXPECT_EQ(classesOf(objNumberCharacterClasses), classesOf(VXCharacterClassTable::makeSlashDelimited()));
}
