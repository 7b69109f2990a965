#include "engine/text/VXSource.h"

#include "engine/core/VXLog.h"
#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTextFileStreamReader.h"
#include "engine/text/VXTokenizer.h"
#include "platform/HostPath.h"

#include <algorithm>
#include <fstream>

VXDirective classifyDirective(std::string line)
{
    VXDirective directive;
    VXTokenizer words;
    words.setTable(&directiveCharacterClasses);
    words.setText(&line);
    if (words.nextToken() == "#include") {
        directive.kind = VXDirective::Include;
        directive.value = words.restOfLine();
    }
    return directive;
}

void VXSource::loadSourceText(std::string path)
{
    // Each level holds one open file and one stack frame.
    if (includeChain.size() > static_cast<size_t>(MaxIncludeDepth)) {
        VXLog() << "Refusing include nested more than " << MaxIncludeDepth << " deep: " << path;
        return;
    }
    const std::string file = hostPath(path);
    if (std::find(includeChain.begin(), includeChain.end(), file) != includeChain.end()) {
        VXLog() << "Refusing recursive include of " << path;
        return;
    }
    std::ifstream stream(file);
    if (!stream.is_open()) {
        return;
    }
    includeChain.push_back(file);
    // A read error never sets end-of-file, so it ends the lines too.
    while (!stream.eof()) {
        const std::string line = readTextLine(stream);
        if (stream.bad() || (stream.fail() && !stream.eof())) {
            break;
        }
        processSourceLine(line);
    }
    includeChain.pop_back();
}

void VXSource::processSourceLine(std::string line)
{
    const VXDirective directive = classifyDirective(line);
    if (directive.kind == VXDirective::Include) {
        loadSourceText(directive.value);
        return;
    }
    lines.push_back(line);
}
