#ifndef TESTS_SUPPORT_PROGRAMPROCESS_H
#define TESTS_SUPPORT_PROGRAMPROCESS_H

#include <sys/types.h>

#include <string>

// A built program seen from outside: started as its own process and watched
// through the files it writes. Every wait is a bound, not a pause: it ends
// as soon as what it waits for happens.

// Starts `program` with `workingDirectory` as its working directory and its
// standard output in `terminalFile`, with one argument it is to ignore. With
// `redirect` the program writes its log into stdout.txt and stderr.txt beside
// itself, as the game does. A `display` that is not empty is the X display
// it opens; otherwise it opens the test's own (DISPLAY).
pid_t startProgram(const std::string& program, const std::string& workingDirectory, bool redirect,
                   const std::string& terminalFile, const std::string& display = "");

// The program `name` of the working directory (the game directory), copied
// into `programDir` and started from the working directory as above: its
// stdout.txt and stderr.txt land in `programDir`.
pid_t startProgramCopy(const std::string& name, const std::string& programDir, bool redirect,
                       const std::string& terminalFile, const std::string& display = "");

// True once the file holds `text`; false when it did not within the time.
bool waitForText(const std::string& path, const std::string& text, int milliseconds);

// The exit status, 128 + the signal for a program that a signal ended, or
// -1 when the program did not end in time (it is then killed). A program
// that stillRunning() already saw end gives the status it ended with.
int waitForExit(pid_t pid, int milliseconds);

// Whether the process is still running. One that has ended is reaped here,
// and its status kept for waitForExit().
bool stillRunning(pid_t pid);

#endif
