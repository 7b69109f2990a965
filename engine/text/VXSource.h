#ifndef ENGINE_TEXT_VXSOURCE_H
#define ENGINE_TEXT_VXSOURCE_H

#include <string>
#include <vector>

// What a shader source line is to the loader.
struct VXDirective {
    static constexpr int Other = 0;
    static constexpr int Include = 16;

    int kind = Other;
    std::string name;
    std::string value; // the include path
};

// An "#include" line (first word exactly "#include", blanks around allowed)
// gives Include with the rest of the line as its path, quotes and all; any
// other line gives Other.
VXDirective classifyDirective(std::string line);

// A shader's source text as lines, each without its line end (a carriage
// return before a newline is part of the line end), every
// "#include" line replaced by the lines of the file it names.
class VXSource {
public:
    // Includes nested deeper below the outermost file are refused.
    static constexpr int MaxIncludeDepth = 64;

    // Appends the lines of the file. Include paths are used as written,
    // relative to the working directory. A missing file adds nothing; an
    // include that would read a file already being read (a cycle), or that
    // lies more than MaxIncludeDepth levels deep, adds nothing and writes one
    // line naming it.
    void loadSourceText(std::string path);
    void processSourceLine(std::string line);

    std::vector<std::string> lines;

private:
    // The files being read, outermost first, as the host opens them.
    std::vector<std::string> includeChain;
};

#endif
