#ifndef ENGINE_TEXT_VXTEXTFILESTREAMWRITER_H
#define ENGINE_TEXT_VXTEXTFILESTREAMWRITER_H

#include <fstream>
#include <string>

// Called with the path at the start of every writeFile, before anything is
// written; it may end the program. Null unless a build installs a check.
extern void (*writeFileCheck)(const std::string& path);

// The base of every text format that is also written: writeFile calls
// writeLine while linesRemaining is 0 or more, so a writer counts down to -1.
class VXTextFileStreamWriter {
public:
    VXTextFileStreamWriter();
    virtual ~VXTextFileStreamWriter();

    VXTextFileStreamWriter(const VXTextFileStreamWriter&) = delete;
    VXTextFileStreamWriter& operator=(const VXTextFileStreamWriter&) = delete;

    virtual void beginWrite(std::string path);
    // Writes one line into `stream`.
    virtual void writeLine();
    virtual void endWrite();
    virtual int linesRemaining();

    // beginWrite, writeLine while linesRemaining() >= 0, endWrite. The file is
    // created (or emptied) even when no line is written; a file that cannot
    // be created takes the lines into a failed stream, silently.
    void writeFile(std::string path);

    // Opens `path` (a data path, through hostPath) for writing, truncating it.
    void open(std::string path);
    void close();

    std::fstream stream;
};

#endif
