// The text-file driver: every line of any file reaches the reader, once.
#include "FuzzFiles.h"

#include "engine/text/VXTextFileStreamReader.h"

#include <cstdlib>
#include <string>

namespace {

class CountingReader : public VXTextFileStreamReader {
public:
    void beginParse(std::string) override { ++begun; }
    void parseLine(std::string line) override
    {
        ++lines;
        bytes += line.size();
    }
    void endParse() override { ++ended; }

    size_t begun = 0;
    size_t lines = 0;
    size_t bytes = 0;
    size_t ended = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "file.txt");
    CountingReader reader;
    reader.parseFile("file.txt");
    // One begin and one end; never more lines or bytes than the file holds
    // (one line more: the empty one after a final newline).
    if (reader.begun != 1 || reader.ended != 1 || reader.lines > size + 1 || reader.bytes > size) {
        std::abort();
    }
    return 0;
}
