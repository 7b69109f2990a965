#ifndef TESTS_SUPPORT_PROGRAMWINDOW_H
#define TESTS_SUPPORT_PROGRAMWINDOW_H

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

// The window of a running program, driven as a player's desktop drives it:
// every call names the X display to use; an empty name means the test's own
// (DISPLAY).

// Presses the window's close button as a window manager would: a
// WM_DELETE_WINDOW message to the top-level window that belongs to `pid`.
bool closeWindowOf(pid_t pid, const std::string& display = "");

// Presses and releases `keysym` in the window of `pid`; false when the
// program has no window (yet). The server has taken both events when this
// returns.
bool pressKeyIn(pid_t pid, KeySym keysym, const std::string& display = "");

// The window of `pid` as RGB bytes, rows top first, after raising it over
// the windows of other tests; empty when it has none.
std::vector<unsigned char> windowPicture(pid_t pid, int& width, int& height, const std::string& display = "");

#endif
