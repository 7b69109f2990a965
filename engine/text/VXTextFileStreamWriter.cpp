#include "engine/text/VXTextFileStreamWriter.h"

#include "platform/HostPath.h"

void (*writeFileCheck)(const std::string& path) = nullptr;

VXTextFileStreamWriter::VXTextFileStreamWriter() = default;

VXTextFileStreamWriter::~VXTextFileStreamWriter() = default;

void VXTextFileStreamWriter::beginWrite(std::string)
{
}

void VXTextFileStreamWriter::writeLine()
{
}

void VXTextFileStreamWriter::endWrite()
{
}

int VXTextFileStreamWriter::linesRemaining()
{
    return -1;
}

void VXTextFileStreamWriter::writeFile(std::string path)
{
    if (writeFileCheck != nullptr) {
        writeFileCheck(path);
    }
    beginWrite(path);
    open(path);
    while (linesRemaining() >= 0) {
        writeLine();
    }
    close();
    endWrite();
}

void VXTextFileStreamWriter::open(std::string path)
{
    stream.open(hostPath(path), std::ios_base::out);
}

void VXTextFileStreamWriter::close()
{
    stream.close();
}
