#include "engine/text/VXTextConversions.h"

#include <sstream>

int parseInt(std::string text)
{
    std::stringstream stream(text);
    int value = 0;
    stream >> value;
    return value;
}

float parseFloat(std::string text)
{
    std::stringstream stream(text);
    float value = 0.0f;
    stream >> value;
    return value;
}

std::string intToString(int value)
{
    std::stringstream stream;
    stream << value;
    return stream.str();
}

std::string floatToString(float value)
{
    std::stringstream stream;
    stream << value;
    return stream.str();
}
