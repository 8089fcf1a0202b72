// A Qt generic plugin, loaded into an unchanged program by QT_QPA_GENERIC_PLUGINS: when the first
// window is exposed it lets the window paint, writes how long after the launcher's timestamp that
// was, and ends the process at once. With VELMORA_STARTUP_GRAB=file.png it saves what the window
// shows first, to compare two builds pixel by pixel.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the launcher's VELMORA_STARTUP_T0 (seconds since the epoch, as bash's
// EPOCHREALTIME gives them just before exec).
double elapsedMs()
{
    const char *t0 = std::getenv("VELMORA_STARTUP_T0");
    if (!t0)
        return -1;
    char *end = nullptr;
    const long long seconds = std::strtoll(t0, &end, 10);
    long long micros = 0;
    if (end && (*end == '.' || *end == ','))
        micros = std::strtoll(end + 1, nullptr, 10);
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return double(now.tv_sec - seconds) * 1e3 + double(now.tv_nsec) / 1e6 - double(micros) / 1e3;
}

class StartupProbe : public QObject
{
public:
    // Made inside the application's constructor: libraries loaded, the display connected.
    StartupProbe() : m_applicationMs(elapsedMs()) { qApp->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() != QEvent::Expose || !window || !window->isExposed())
            return false;
        static_cast<QObject *>(window)->event(event); // the first paint happens here
        std::printf("%.3f %.3f\n", m_applicationMs, elapsedMs());
        std::fflush(stdout);
        if (const char *grab = std::getenv("VELMORA_STARTUP_GRAB"))
            window->screen()->grabWindow(window->winId()).save(QString::fromLocal8Bit(grab));
        _exit(0); // nothing of the exit (settings written, windows freed) is start-up
    }

private:
    double m_applicationMs;
};

} // namespace

class StartupProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StartupProbe.json")

public:
    QObject *create(const QString &, const QString &) override { return new StartupProbe; }
};

#include "StartupProbe.moc"
