#include "engine/text/VXTextFileStreamReader.h"

#include "engine/core/VXLog.h"
#include "platform/HostPath.h"

std::string readTextLine(std::istream& stream)
{
    std::string line;
    std::getline(stream, line);
    // End-of-file is set only when no newline ended the line.
    if (!stream.eof() && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

VXTextFileStreamReader::VXTextFileStreamReader() = default;

VXTextFileStreamReader::~VXTextFileStreamReader() = default;

void VXTextFileStreamReader::beginParse(std::string)
{
}

void VXTextFileStreamReader::parseLine(std::string line)
{
    VXLog() << line;
}

void VXTextFileStreamReader::print(std::string prefix)
{
    VXLog() << prefix << "Text File Stream Reader";
}

void VXTextFileStreamReader::endParse()
{
    VXLog() << "Finished Parsing File";
}

void VXTextFileStreamReader::parseFile(std::string path)
{
    beginParse(path);
    open(path);
    if (!stream.is_open()) {
        VXLog() << "Unable to open file: " << path;
    }
    // Neither a failed open nor a read error ever sets end-of-file, so any
    // other failure ends the lines too.
    while (stream.is_open() && !eof()) {
        std::string line = readLine();
        if (stream.bad() || (stream.fail() && !stream.eof())) {
            VXLog() << "Unable to read file: " << path;
            break;
        }
        parseLine(line);
    }
    close();
    endParse();
}

void VXTextFileStreamReader::open(std::string path)
{
    stream.open(hostPath(path), std::ios_base::in);
}

std::string VXTextFileStreamReader::readLine()
{
    return readTextLine(stream);
}

bool VXTextFileStreamReader::eof() const
{
    return stream.eof();
}

void VXTextFileStreamReader::close()
{
    stream.close();
}
