// The level list, read as the game reads "Data/Level List.txt" at start-up;
// then the first levels it names are read, as the game opens them, by a
// script reader that has no world to build into.
#include "FuzzFiles.h"

#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelReader.h"

#include <cstdlib>
#include <string>

namespace {

const char* const ListPath = "Data/Level List.txt";
const size_t LevelsRead = 4;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, ListPath);
    KTLevelReader list;
    list.parseFile(ListPath);

    // One name per line: never more names than lines, never more bytes than
    // the list holds, and no name runs across a line end or a NUL. (Only the
    // carriage return of a CR LF line end is dropped; others stay in the name.)
    size_t bytes = 0;
    for (const std::string& name : list.fileNames) {
        bytes += name.size();
        if (name.find('\n') != std::string::npos || name.find('\0') != std::string::npos) {
            __builtin_trap();
        }
    }
    if (list.fileNames.size() > size + 1 || bytes > size) {
        __builtin_trap();
    }

    KTLevelFileReader script;
    for (size_t i = 0; i < list.fileNames.size() && i < LevelsRead; ++i) {
        script.parseFile(list.fileNames[i]);
    }
    return 0;
}
