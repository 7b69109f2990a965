#include "support/ProgramWindow.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <thread>

namespace {

// Other tests open and close windows on the same display at the same time: a
// window that disappears while we look at it is not an error here.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// The top-level window whose _NET_WM_PID is `pid`; None when there is none.
Window windowOfProcess(Display* display, pid_t pid)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) {
        return None;
    }
    Window found = None;
    Window root;
    Window parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return None;
    }
    for (unsigned int i = 0; i < count && found == None; ++i) {
        Atom type;
        int format;
        unsigned long items;
        unsigned long after;
        unsigned char* value = nullptr;
        if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                               &after, &value) == Success && value != nullptr) {
            const unsigned long owner = items == 1 ? *reinterpret_cast<unsigned long*>(value) : 0;
            XFree(value);
            if (owner == static_cast<unsigned long>(pid)) {
                found = children[i];
            }
        }
    }
    XFree(children);
    return found;
}

// The display named (the test's own when empty) with errors ignored; null
// without one.
Display* openDisplay(const std::string& name)
{
    Display* display = XOpenDisplay(name.empty() ? nullptr : name.c_str());
    if (display != nullptr) {
        XSetErrorHandler(ignoreXError);
    }
    return display;
}

// Key events carry times of their own, each later than the last: SDL takes a
// release followed by a press of the same key at the same time for the
// keyboard's auto-repeat and drops both.
Time nextKeyTime()
{
    static Time time = 1000;
    time += 50;
    return time;
}

void sendKeyEvent(Display* display, Window window, int type, KeyCode code)
{
    XEvent event = {};
    event.xkey.type = type;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.subwindow = None;
    event.xkey.time = nextKeyTime();
    event.xkey.x = 1;
    event.xkey.y = 1;
    event.xkey.x_root = 1;
    event.xkey.y_root = 1;
    event.xkey.keycode = code;
    event.xkey.same_screen = True;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
}

// One colour channel of an image pixel, scaled to 0..255.
unsigned char channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while ((mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<unsigned char>(((pixel >> shift) & mask) * 255 / mask);
}

} // namespace

bool closeWindowOf(pid_t pid, const std::string& name)
{
    Display* display = openDisplay(name);
    if (display == nullptr) {
        return false;
    }
    const Window window = windowOfProcess(display, pid);
    if (window != None) {
        const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
        const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XEvent message = {};
        message.xclient.type = ClientMessage;
        message.xclient.window = window;
        message.xclient.message_type = protocols;
        message.xclient.format = 32;
        message.xclient.data.l[0] = static_cast<long>(deleteWindow);
        message.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &message);
        XFlush(display);
    }
    XCloseDisplay(display);
    return window != None;
}

bool pressKeyIn(pid_t pid, KeySym keysym, const std::string& name)
{
    Display* display = openDisplay(name);
    if (display == nullptr) {
        return false;
    }
    const Window window = windowOfProcess(display, pid);
    if (window != None) {
        const KeyCode code = XKeysymToKeycode(display, keysym);
        sendKeyEvent(display, window, KeyPress, code);
        sendKeyEvent(display, window, KeyRelease, code);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return window != None;
}

std::vector<unsigned char> windowPicture(pid_t pid, int& width, int& height, const std::string& name)
{
    std::vector<unsigned char> rgb;
    width = 0;
    height = 0;
    Display* display = openDisplay(name);
    if (display == nullptr) {
        return rgb;
    }
    const Window window = windowOfProcess(display, pid);
    XWindowAttributes attributes;
    if (window != None && XGetWindowAttributes(display, window, &attributes) != 0) {
        XRaiseWindow(display, window);
        XSync(display, False);
        // The program redraws every frame; give it a few to fill what the
        // windows above had covered.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (image != nullptr) {
            width = attributes.width;
            height = attributes.height;
            rgb.resize(static_cast<size_t>(width) * height * 3);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const unsigned long pixel = XGetPixel(image, x, y);
                    unsigned char* out = &rgb[(static_cast<size_t>(y) * width + x) * 3];
                    out[0] = channel(pixel, image->red_mask);
                    out[1] = channel(pixel, image->green_mask);
                    out[2] = channel(pixel, image->blue_mask);
                }
            }
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return rgb;
}
