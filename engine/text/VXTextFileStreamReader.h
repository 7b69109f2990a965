#ifndef ENGINE_TEXT_VXTEXTFILESTREAMREADER_H
#define ENGINE_TEXT_VXTEXTFILESTREAMREADER_H

#include <fstream>
#include <istream>
#include <string>

// The next line of a text stream without its newline, and without one
// carriage return just before that newline: the game's files were read in
// text mode, where CR LF is a line end, so CR LF files read like LF files.
// Inner carriage returns, and one ending a last line without a newline, stay.
std::string readTextLine(std::istream& stream);

// The base of every text format reader: a format overrides the four steps and
// calls parseFile, which feeds it the file line by line.
class VXTextFileStreamReader {
public:
    VXTextFileStreamReader();
    virtual ~VXTextFileStreamReader();

    VXTextFileStreamReader(const VXTextFileStreamReader&) = delete;
    VXTextFileStreamReader& operator=(const VXTextFileStreamReader&) = delete;

    virtual void beginParse(std::string path);
    // Every override must accept an empty line: a file that ends with a
    // newline delivers one final empty line.
    virtual void parseLine(std::string line);
    virtual void print(std::string prefix);
    virtual void endParse();

    // beginParse, every line of the file to parseLine, endParse. A file that
    // cannot be opened, or a read that fails before the end of the file, ends
    // the lines with one message naming the path; beginParse and endParse
    // still run.
    void parseFile(std::string path);

    // Opens `path` (a data path, through hostPath) for reading; failure sets
    // the fail flag and reports nothing.
    void open(std::string path);
    // The next line without its line end (readTextLine); empty at the end of
    // the file.
    std::string readLine();
    bool eof() const;
    void close();

    std::fstream stream;
};

#endif
