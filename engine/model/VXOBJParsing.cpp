#include "engine/model/VXOBJParsing.h"

#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"

#include <climits>

VXVec4 parseNumbers(std::string text)
{
    const float defaults[4] = {0, 0, 0, 1};
    float values[4];
    VXTokenizer tokenizer;
    tokenizer.setTable(&objNumberCharacterClasses);
    tokenizer.setText(&text);
    for (int i = 0; i < 4; ++i) {
        const std::string word = tokenizer.nextToken();
        values[i] = word.empty() ? defaults[i] : parseFloat(word);
    }
    return VXVec4(values[0], values[1], values[2], values[3]);
}

VXOBJFaceKey parseCorner(const std::string& word)
{
    // Split by position: "7//3" has an empty second field, which the
    // slash-delimited tokenizer would skip.
    int fields[3] = {-1, -1, -1};
    std::string::size_type start = 0;
    for (int i = 0; i < 3; ++i) {
        const std::string::size_type slash = word.find('/', start);
        const std::string field = word.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!field.empty()) {
            // In 64 bits: the conversion clamps to the int range, and one
            // below the lowest int does not fit. Held to INT_MIN, which, like
            // every negative index, names nothing.
            const long long index = static_cast<long long>(parseInt(field)) - 1;
            fields[i] = index < INT_MIN ? INT_MIN : static_cast<int>(index);
        }
        if (slash == std::string::npos) {
            break;
        }
        start = slash + 1;
    }
    VXOBJFaceKey key;
    key.vertex = fields[0];
    key.textureCoordinate = fields[1];
    key.normal = fields[2];
    return key;
}
