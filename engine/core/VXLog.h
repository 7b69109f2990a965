#ifndef ENGINE_CORE_VXLOG_H
#define ENGINE_CORE_VXLOG_H

#include <ostream>
#include <sstream>
#include <string>

// One line of the program's log, which is standard output (the start-up code
// sends it into stdout.txt). Pieces written with << are formatted exactly as
// std::cout formats them; the line ends with a newline and a flush when the
// object goes, which for `VXLog() << "UPDATING";` is the end of the statement.
// Nothing is buffered on the way, so a line costs what writing it to
// std::cout costs.
class VXLog {
public:
    VXLog();
    ~VXLog();
    VXLog(const VXLog&) = delete;
    VXLog& operator=(const VXLog&) = delete;

    template <typename T>
    VXLog& operator<<(const T& piece)
    {
        out << piece;
        return *this;
    }

private:
    std::ostream& out;
};

// While one lives, log lines are collected in it instead of reaching standard
// output; for tests. Captures nest: the newest one living takes the lines.
class VXLogCapture {
public:
    VXLogCapture();
    ~VXLogCapture();
    VXLogCapture(const VXLogCapture&) = delete;
    VXLogCapture& operator=(const VXLogCapture&) = delete;

    // Every line collected so far, each with its newline, as standard output
    // would have received them.
    std::string text() const;

private:
    friend class VXLog;

    // Formats as std::cout did when the capture began.
    std::ostringstream lines;
    VXLogCapture* previous;
};

#endif
