#ifndef ENGINE_TEXT_VXTOKENIZER_H
#define ENGINE_TEXT_VXTOKENIZER_H

#include "engine/text/VXCharacterClassTable.h"

#include <string>

// Splits one line into words by a character class table. A reader sets the
// table and the line, takes words until it gets an empty one, and discards
// the tokenizer.
struct VXTokenizer {
    int position = 0;                             // index of the next byte to look at
    std::string* text = nullptr;                  // the caller's text, not owned
    const VXCharacterClassTable* table = nullptr; // the classes in force, not owned

    void setTable(const VXCharacterClassTable* newTable);

    // Appends a newline to *newText (the caller's string grows by one byte)
    // so that every scan meets an end byte, and starts at its first byte.
    void setText(std::string* newText);

    // The next word, or the empty string once the text is used up. A word
    // holding an invalid byte is consumed and returned empty.
    std::string nextToken();

    // Everything from the next word to the end of the text: inner delimiters
    // and invalid bytes kept, trailing delimiters dropped.
    std::string restOfLine();

private:
    // The class of the byte at `index`; any index outside the text reads as
    // an end byte, so no scan leaves the string whatever the table says.
    int classAt(int index) const;
    void skipDelimiters();
};

#endif
