// An OBJ model with its MTL library, read to the end of the parse (without a
// GL context no buffer is made) and dumped.
#include "FuzzFiles.h"

#include "engine/model/VXOBJData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "model.obj");
    VXOBJData model;
    model.parseFile("model.obj");
    model.print("");
    return 0;
}
