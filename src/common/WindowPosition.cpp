// Placing windows as they are shown.
#include "common/WindowPosition.h"

#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// The frame's top left moved as little as needs be for the frame to lie within `screen`; a frame
// larger than the screen keeps its title bar on it.
QPoint within(QPoint topLeft, QSize frameSize, const QRect &screen)
{
    const int x = std::max(screen.left(), std::min(topLeft.x(), screen.right() + 1 - frameSize.width()));
    const int y = std::max(screen.top(), std::min(topLeft.y(), screen.bottom() + 1 - frameSize.height()));
    return {x, y};
}

// The window's own frame once the desktop has framed it, else the one it is expected to get.
QMargins frameFor(const QWidget *window, const QMargins &expected)
{
    const QMargins own = WindowPosition::frameOf(window);
    return own.isNull() ? expected : own;
}

QSize frameSize(const QWidget *window, const QMargins &frame)
{
    return window->size().grownBy(frame);
}

// The client area is placed, inside the frame whose top left goes to `topLeft`: before the desktop
// has framed a window, moving it would put its client area there and its title bar above.
void moveFrame(QWidget *window, QPoint topLeft, const QRect &screen, const QMargins &expected)
{
    const QMargins frame = frameFor(window, expected);
    const QPoint at = within(topLeft, frameSize(window, frame), screen);
    window->setGeometry(QRect(at + QPoint(frame.left(), frame.top()), window->size()));
}

class PlaceAtShowing : public QObject
{
public:
    PlaceAtShowing(QWidget *window, WindowPosition::Rule rule, const QWidget *reference, QPoint offset)
        : QObject(window), m_window(window), m_rule(rule), m_reference(reference), m_offset(offset)
    {
        window->installEventFilter(this);
    }

protected:
    // The show event comes after the contents and the layout are set, before the desktop maps the window.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && !event->spontaneous())
            place();
        return QObject::eventFilter(watched, event);
    }

private:
    void place()
    {
        if (QLayout *layout = m_window->layout())
            layout->activate(); // the final size, whatever the contents asked for since
        const QWidget *reference = m_reference ? m_reference.data() : m_window;
        const QScreen *screen = reference->screen();
        const QRect free = screen->availableGeometry();
        const QMargins frame = WindowPosition::frameOf(m_reference);
        switch (m_rule) {
        case WindowPosition::Rule::CentredOnDesktop:
            return WindowPosition::centre(m_window, free, free, frame);
        case WindowPosition::Rule::CentredOnWindow:
            return WindowPosition::centre(m_window, reference->frameGeometry(), free, frame);
        case WindowPosition::Rule::AtOffset:
            return WindowPosition::putAt(m_window, m_offset, free, frame);
        }
    }

    QWidget *m_window;
    WindowPosition::Rule m_rule;
    QPointer<const QWidget> m_reference;
    QPoint m_offset;
};

} // namespace

namespace WindowPosition {

QMargins frameOf(const QWidget *framed)
{
    return framed && framed->windowHandle() ? framed->windowHandle()->frameMargins() : QMargins();
}

void centre(QWidget *window, const QRect &area, const QRect &screen, const QMargins &frame)
{
    const QSize size = frameSize(window, frameFor(window, frame));
    moveFrame(window, area.center() - QPoint(size.width() / 2, size.height() / 2), screen, frame);
}

void putAt(QWidget *window, QPoint offset, const QRect &screen, const QMargins &frame)
{
    moveFrame(window, screen.topLeft() + offset, screen, frame);
}

void placeAtEachShowing(QWidget *window, Rule rule, const QWidget *reference, QPoint offset)
{
    new PlaceAtShowing(window, rule, reference, offset);
}

} // namespace WindowPosition
