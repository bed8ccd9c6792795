// tabrep-bench-child MODE [phases]: the start-up that tabrep-bench measures as a whole process.
//   bare    a window with one label and one button (the floor)
//   tabrep  the program's main window on the alias of XDG_CONFIG_HOME, showing its first page,
//           started as the program's main() starts it (translation, icon) in the desktop's language
// Either ends as soon as its window has been painted for the first time, and
// then writes its own peak memory to stderr ("VmHWM: N kB"). With "phases" it
// prints to stderr when each step of the start-up ended, counted from the start of main.
#include "shell/ProgramStart.h"
#include "shell/TFrmTabrep.h"
#include "store/engine/Session.h"
#include "translations/Translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QFile>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Ends the event loop after the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Prints the steps of the start-up when asked to.
class Phases {
public:
    explicit Phases(bool shown) : shown_(shown) { clock_.start(); }
    void ended(const char* step) const
    {
        if (shown_)
            std::fprintf(stderr, "%8.2f ms  %s\n", double(clock_.nsecsElapsed()) / 1e6, step);
    }

private:
    bool shown_;
    QElapsedTimer clock_;
};

std::unique_ptr<QWidget> bareWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Tabulon Personal"));
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(QStringLiteral("Tabulon Personal"), window.get()));
    layout->addWidget(new QPushButton(QStringLiteral("Next >"), window.get()));
    return window;
}

// The peak resident memory of this process alone, as /proc/self/status words it:
// ru_maxrss would count the memory of the process that started this one too.
void PrintPeakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:"))
            std::fputs(line.constData(), stderr);
}

} // namespace

int main(int argc, char** argv)
{
    const Phases phases(argc == 3 && std::strcmp(argv[2], "phases") == 0);
    const bool program = argc >= 2 && std::strcmp(argv[1], "tabrep") == 0;
    // As the program's main() does: its translation is loaded before the application object.
    auto early = std::make_unique<QTranslator>();
    const bool translated = program && translations::LoadProgramTranslation(*early);
    QApplication app(argc, argv);
    phases.ended("application");
    // A message box at start-up would wait for an answer that never comes.
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(4); });
    const QString mode = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::unique_ptr<QWidget> window;
    if (mode == QLatin1String("bare")) {
        window = bareWindow();
    } else if (mode == QLatin1String("tabrep")) {
        PrepareProgram(app, translated ? early.release() : nullptr);
        auto frame = std::make_unique<shell::TFrmTabrep>(store::Session::defaultSession());
        if (!frame->created())
            return 1;
        window = std::move(frame);
    } else {
        std::fprintf(stderr, "usage: tabrep-bench-child bare|tabrep [phases]\n");
        return 2;
    }
    phases.ended("window built");
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    phases.ended("window shown");
    const int code = app.exec();
    phases.ended("window painted");
    PrintPeakMemory();
    return code != 0 ? code : firstPaint.painted ? 0 : 3;
}
