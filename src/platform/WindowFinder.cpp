// The window manager's client list (or the window tree), _NET_WM_NAME or WM_NAME, _NET_ACTIVE_WINDOW.
#include "platform/WindowFinder.h"

#include <QGuiApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

namespace WindowFinder {
namespace {

FindHandler &findHandler()
{
    static FindHandler h;
    return h;
}

RestoreHandler &restoreHandler()
{
    static RestoreHandler h;
    return h;
}

// A window may vanish between listing and asking; its errors must not end the program.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

// One connection for one request, with errors ignored while it lasts.
class Connection
{
public:
    Connection()
    {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            m_display = XOpenDisplay(nullptr);
        if (m_display)
            m_oldHandler = XSetErrorHandler(ignoreErrors);
    }
    ~Connection()
    {
        if (!m_display)
            return;
        XSync(m_display, False);
        XSetErrorHandler(m_oldHandler);
        XCloseDisplay(m_display);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    Display *display() const { return m_display; }

private:
    Display *m_display = nullptr;
    XErrorHandler m_oldHandler = nullptr;
};

QString title(Display *d, Window w)
{
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 4096, False, utf8, &type, &format,
                           &count, &after, &data) == Success && data) {
        const QString name = type == utf8 ? QString::fromUtf8(reinterpret_cast<char *>(data), int(count)) : QString();
        XFree(data);
        if (type == utf8)
            return name;
    }
    XTextProperty text{};
    if (!XGetWMName(d, w, &text) || !text.value)
        return {};
    const QString name = QString::fromLocal8Bit(reinterpret_cast<char *>(text.value), int(text.nitems));
    XFree(text.value);
    return name;
}

std::vector<Window> clientList(Display *d)
{
    std::vector<Window> windows;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_CLIENT_LIST", False), 0, 65536, False,
                           XA_WINDOW, &type, &format, &count, &after, &data) == Success && data) {
        if (type == XA_WINDOW && format == 32)
            windows.assign(reinterpret_cast<Window *>(data), reinterpret_cast<Window *>(data) + count);
        XFree(data);
    }
    return windows;
}

// Without a window manager's list: the root's children and, under frames, their children.
Window searchTree(Display *d, Window parent, const QString &wanted, int depth)
{
    Window root = 0, parentOut = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, parent, &root, &parentOut, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = count; i-- > 0 && !found;) // topmost first
        if (title(d, children[i]) == wanted)
            found = children[i];
    for (unsigned int i = count; depth > 0 && i-- > 0 && !found;)
        found = searchTree(d, children[i], wanted, depth - 1);
    if (children)
        XFree(children);
    return found;
}

} // namespace

WindowId find(const QString &wanted)
{
    if (findHandler())
        return findHandler()(wanted);
    Connection connection;
    Display *d = connection.display();
    if (!d)
        return 0;
    const std::vector<Window> clients = clientList(d);
    for (Window w : clients)
        if (title(d, w) == wanted)
            return w;
    return clients.empty() ? searchTree(d, DefaultRootWindow(d), wanted, 1) : 0;
}

void restore(WindowId window)
{
    if (restoreHandler()) {
        restoreHandler()(window);
        return;
    }
    Connection connection;
    Display *d = connection.display();
    if (!d || !window)
        return;
    XMapRaised(d, window); // mapping an iconic window shows it normally again
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // asked for by the user, through a tool
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

void setHandlers(FindHandler find, RestoreHandler restore)
{
    findHandler() = std::move(find);
    restoreHandler() = std::move(restore);
}

} // namespace WindowFinder
