// The tokenizer over one line, with every character class table the readers use.
#include "FuzzFiles.h"

#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTokenizer.h"

#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const VXCharacterClassTable* const tables[] = {
        &stanceCharacterClasses,       &stanceSetCharacterClasses, &choreographyCharacterClasses,
        &orientationCharacterClasses,  &pathCharacterClasses,      &extensionCharacterClasses,
        &directiveCharacterClasses,    &objWordCharacterClasses,   &objNumberCharacterClasses,
        &skeletonCharacterClasses,     &skeletonNumberCharacterClasses,
    };
    const std::string input(reinterpret_cast<const char*>(data), size);
    for (const VXCharacterClassTable* table : tables) {
        std::string text = input;
        VXTokenizer words;
        words.setTable(table);
        words.setText(&text);
        // Every word, a bounded number of times (an empty word can also stand
        // for an invalid byte before the end), then the rest of the line.
        for (size_t i = 0; i <= size + 1; ++i) {
            words.nextToken();
        }
        words.restOfLine();

        std::string again = input;
        VXTokenizer rest;
        rest.setTable(table);
        rest.setText(&again);
        rest.nextToken();
        rest.restOfLine();
    }
    return 0;
}
