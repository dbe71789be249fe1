// The reference for the start-up benchmark: the least an Xlib program does to
// show a window of the main window's size, mapped and filled with one colour
// on its first expose. Runs until it is ended.
#include <X11/Xlib.h>

#include <cstdlib>

int main(int argc, char** argv) {
    const unsigned width = argc > 2 ? unsigned(std::atoi(argv[1])) : 380;
    const unsigned height = argc > 2 ? unsigned(std::atoi(argv[2])) : 280;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 100, 100, width, height, 0,
                                              BlackPixel(display, screen), WhitePixel(display, screen));
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    const GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, 0x3A6EA5);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0) {
            XFillRectangle(display, window, gc, 0, 0, width, height);
            XFlush(display);
        }
    }
}
