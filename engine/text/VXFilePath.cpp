#include "engine/text/VXFilePath.h"

#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTokenizer.h"

void VXFilePath::set(std::string newPath)
{
    path = newPath;
    fileName.clear();
    directory.clear();

    VXTokenizer components;
    components.setTable(&pathCharacterClasses);
    components.setText(&newPath);
    for (std::string word = components.nextToken(); !word.empty(); word = components.nextToken()) {
        if (!fileName.empty()) {
            directory += fileName;
            directory += '\\';
        }
        fileName = word;
    }

    std::string name = fileName;
    VXTokenizer parts;
    parts.setTable(&extensionCharacterClasses);
    parts.setText(&name);
    baseName = parts.nextToken();
    extension = "." + parts.nextToken();
}
