// A shader source with its "#include" files (paths relative to the working
// directory, which is the fuzz folder).
#include "FuzzFiles.h"

#include "engine/text/VXSource.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "main.glsl");
    VXSource source;
    source.loadSourceText("main.glsl");
    return 0;
}
