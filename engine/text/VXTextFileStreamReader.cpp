#include "engine/text/VXTextFileStreamReader.h"

#include "platform/HostPath.h"

#include <iostream>

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
    std::cout << line << std::endl;
}

void VXTextFileStreamReader::print(std::string prefix)
{
    std::cout << prefix << "Text File Stream Reader" << std::endl;
}

void VXTextFileStreamReader::endParse()
{
    std::cout << "Finished Parsing File" << std::endl;
}

void VXTextFileStreamReader::parseFile(std::string path)
{
    beginParse(path);
    open(path);
    if (!stream.is_open()) {
        std::cout << "Unable to open file: " << path << std::endl;
    }
    // Neither a failed open nor a read error ever sets end-of-file, so any
    // other failure ends the lines too.
    while (stream.is_open() && !eof()) {
        std::string line = readLine();
        if (stream.bad() || (stream.fail() && !stream.eof())) {
            std::cout << "Unable to read file: " << path << std::endl;
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
