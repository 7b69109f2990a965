#ifndef TESTS_SUPPORT_PROGRAMLOG_H
#define TESTS_SUPPORT_PROGRAMLOG_H

#include <string>
#include <vector>

// Reading what a program printed.

// How many times `part` stands in `text`, overlapping ones included.
int occurrences(const std::string& text, const std::string& part);

// The lines of `log` that are exactly one of `wanted`, in the order printed.
std::vector<std::string> linesAmong(const std::string& log, const std::vector<std::string>& wanted);

// The game's progress lines of a whole start-up, in order.
extern const std::vector<std::string> START_UP_LINES;

#endif
