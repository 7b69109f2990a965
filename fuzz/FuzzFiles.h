#ifndef FUZZ_FUZZFILES_H
#define FUZZ_FUZZFILES_H

#include <cstddef>
#include <cstdint>
#include <string>

// The fuzz targets hand their input to the readers as files in a private
// temporary folder, which is the working directory while the target runs
// (the readers name files relative to it, as the game's data paths are).

// Makes the folder, enters it and sends standard output (the readers' echoes
// and traces) to /dev/null. The folder is removed at exit. Call once, from
// LLVMFuzzerInitialize.
void enterFuzzFolder();

// Empties the folder and writes the input into it as files. The input is
// split at lines that begin with "==> ": the text before the first one
// becomes `mainFile`, and each marker line starts a file named by the rest of
// that line ('\' or '/' separate folders; names are held to letters, digits,
// " ._-" and at most 64 bytes, "." and ".." components dropped; a name left
// empty drops its text). At most 16 files.
void writeFuzzFiles(const uint8_t* data, size_t size, const std::string& mainFile);

#endif
