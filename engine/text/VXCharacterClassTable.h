#ifndef ENGINE_TEXT_VXCHARACTERCLASSTABLE_H
#define ENGINE_TEXT_VXCHARACTERCLASSTABLE_H

// The class of every byte value, as the tokenizer reads it. A format chooses
// what separates its words by choosing a table.
//
// The constructor and the presets are constexpr so that the global tables are
// built by constant initialisation, before any other static initialiser could
// read them.
struct VXCharacterClassTable {
    // Byte classes.
    static constexpr int Invalid = 0;   // a word holding one is returned empty
    static constexpr int Delimiter = 1; // separates words
    static constexpr int Token = 2;     // part of a word
    static constexpr int End = 3;       // ends the text

    int classOf[256];

    // The base table: space, tab and comma delimit; NUL and newline end; every
    // other byte is invalid.
    constexpr VXCharacterClassTable()
        : classOf()
    {
        for (int i = 0; i < 256; ++i) {
            classOf[i] = Invalid;
        }
        classOf[static_cast<unsigned char>(' ')] = Delimiter;
        classOf[static_cast<unsigned char>('\t')] = Delimiter;
        classOf[static_cast<unsigned char>(',')] = Delimiter;
        classOf[0] = End;
        classOf[static_cast<unsigned char>('\n')] = End;
    }

    bool isInvalid(char c) const { return classOf[static_cast<unsigned char>(c)] == Invalid; }
    bool isDelimiter(char c) const { return classOf[static_cast<unsigned char>(c)] == Delimiter; }
    bool isToken(char c) const { return classOf[static_cast<unsigned char>(c)] == Token; }
    bool isEnd(char c) const { return classOf[static_cast<unsigned char>(c)] == End; }

    // Space and tab delimit; every other byte but NUL and newline is a token.
    static constexpr VXCharacterClassTable makeBlankDelimited()
    {
        VXCharacterClassTable table = everyByteAToken();
        table.set(" \t", Delimiter);
        return table;
    }

    // Space, tab, ",", "(" and ")" delimit: "(1, 2, 3)" reads as three numbers.
    static constexpr VXCharacterClassTable makeNumberList()
    {
        VXCharacterClassTable table = everyByteAToken();
        table.set(" \t,()", Delimiter);
        return table;
    }

    // Space, tab and "/" delimit (OBJ face corners).
    static constexpr VXCharacterClassTable makeSlashDelimited()
    {
        VXCharacterClassTable table = everyByteAToken();
        table.set(" \t/", Delimiter);
        return table;
    }

    // Only the backslash delimits; blanks and commas belong to the words.
    static constexpr VXCharacterClassTable makePathSeparator()
    {
        VXCharacterClassTable table = everyByteAToken();
        table.set("\\", Delimiter);
        return table;
    }

    // Only "." delimits; blanks and commas belong to the words.
    static constexpr VXCharacterClassTable makeExtensionSeparator()
    {
        VXCharacterClassTable table = everyByteAToken();
        table.set(".", Delimiter);
        return table;
    }

    // The base table with letters, digits, "#" and "_" as tokens; every other
    // byte (carriage return and bytes from 128 up included) stays invalid.
    static constexpr VXCharacterClassTable makeIdentifier()
    {
        VXCharacterClassTable table;
        for (int c = 'a'; c <= 'z'; ++c) {
            table.classOf[c] = Token;
        }
        for (int c = 'A'; c <= 'Z'; ++c) {
            table.classOf[c] = Token;
        }
        for (int c = '0'; c <= '9'; ++c) {
            table.classOf[c] = Token;
        }
        table.set("#_", Token);
        return table;
    }

private:
    constexpr void set(const char* bytes, int characterClass)
    {
        for (; *bytes != '\0'; ++bytes) {
            classOf[static_cast<unsigned char>(*bytes)] = characterClass;
        }
    }

    // The base table with every byte but the two end bytes made a token, the
    // base's space, tab and comma included; each preset then names its own
    // delimiters.
    static constexpr VXCharacterClassTable everyByteAToken()
    {
        VXCharacterClassTable table;
        for (int i = 0; i < 256; ++i) {
            if (table.classOf[i] != End) {
                table.classOf[i] = Token;
            }
        }
        return table;
    }
};

#endif
