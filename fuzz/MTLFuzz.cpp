// An MTL material library, read and dumped.
#include "FuzzFiles.h"

#include "engine/model/VXMTLReader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "library.mtl");
    VXMTLReader reader;
    reader.parseFile("library.mtl");
    reader.print("");
    return 0;
}
