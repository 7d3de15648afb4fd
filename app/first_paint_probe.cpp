// Linked into the start-up benchmark's programs only: when the first window has
// painted, prints the wall-clock time and the peak resident memory so far, then
// ends the program.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                done_ = true;
                // Report once the whole first frame has been painted.
                QTimer::singleShot(0, [] {
                    timespec now{};
                    clock_gettime(CLOCK_REALTIME, &now);
                    std::printf("first_paint_us %lld\npeak_rss_kb %ld\n",
                                static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000,
                                PeakResidentKb());
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            }
        }
        return false;
    }

private:
    bool done_ = false;
};

void InstallProbe() { qApp->installEventFilter(new FirstPaint(qApp)); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
