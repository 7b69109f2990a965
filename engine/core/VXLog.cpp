#include "engine/core/VXLog.h"

#include <iostream>

namespace {

// The capture taking the lines, or none.
VXLogCapture* activeCapture = nullptr;

} // namespace

VXLog::VXLog()
    : out(activeCapture != nullptr ? activeCapture->lines : std::cout)
{
}

VXLog::~VXLog()
{
    out << std::endl;
}

VXLogCapture::VXLogCapture()
    : previous(activeCapture)
{
    lines.copyfmt(std::cout);
    activeCapture = this;
}

VXLogCapture::~VXLogCapture()
{
    activeCapture = previous;
}

std::string VXLogCapture::text() const
{
    return lines.str();
}
