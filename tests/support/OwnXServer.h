#ifndef TESTS_SUPPORT_OWNXSERVER_H
#define TESTS_SUPPORT_OWNXSERVER_H

#include <sys/types.h>

#include <string>

// An X server of the test's own (Xvfb on a display it picks itself, 1024x768
// at 24 bits), so that no other test's window covers the program's window
// while the test looks at it. Stopped when the object goes.
class OwnXServer {
public:
    OwnXServer();
    ~OwnXServer();
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

    // ":N" once a client could open it; empty when no server could be started.
    const std::string& display() const { return name; }

private:
    pid_t server = -1;
    std::string name;
};

#endif
