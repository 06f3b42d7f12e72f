#include "app/startup_timing.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace kestrel::app {

namespace {

bool timing()
{
    static const bool on = std::getenv("KESTREL_STARTUP_TIMING") != nullptr;
    return on;
}

// Sees the window's first paint; the frame is on screen when the event loop
// next runs a timer, as painting and flushing happen in one go.
class FirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                markStartupPhase("first-frame");
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

void markStartupPhase(const char* phase)
{
    if (!timing())
        return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "kestrel-startup %s %lld\n", phase,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void quitAfterFirstFrame(QWidget& window)
{
    if (timing())
        window.installEventFilter(new FirstFrame(&window));
}

}  // namespace kestrel::app
