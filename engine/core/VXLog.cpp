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
    // Taken out of the chain wherever it stands, so that one ended before a
    // newer one leaves nothing behind that points at it.
    VXLogCapture** link = &activeCapture;
    while (*link != nullptr && *link != this) {
        link = &(*link)->previous;
    }
    if (*link == this) {
        *link = previous;
    }
}

std::string VXLogCapture::text() const
{
    return lines.str();
}
