// Start-up time of the editor beside a bare Qt Widgets window with one button: each is started seven
// times, alternately, and timed from the process start until its first window is painted (a preloaded
// probe reports that and ends the process). Prints the medians and their ratio, under the offscreen
// platform and, when a display is available, under X, where a window manager maps the windows and
// OpenGL set up at start would show.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kTarget = 1.5;

/// Milliseconds until the program's first window was shown; nullopt when it never was.
std::optional<double> timeStart(const QString& platform, const QString& program,
                                const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(STARTUP_PROBE));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    std::optional<double> elapsed;
    while (process.waitForReadyRead(30000)) {
        if (process.readAllStandardOutput().contains("shown")) {
            elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int bareWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("OK"));
    button.show();
    return QApplication::exec();
}

/// Times both programs on platform; false when one never showed its window.
bool compare(const QString& platform, const QString& self) {
    std::vector<double> editor;
    std::vector<double> bare;
    // One start of each first, unmeasured, so that both find their libraries in the file cache.
    timeStart(platform, QStringLiteral(KANALEDITOR), {});
    timeStart(platform, self, {QStringLiteral("--bare")});
    for (int run = 0; run < kRuns; ++run) {
        const std::optional<double> e = timeStart(platform, QStringLiteral(KANALEDITOR), {});
        const std::optional<double> b = timeStart(platform, self, {QStringLiteral("--bare")});
        if (!e || !b) {
            std::fprintf(stderr, "start-up (%s): %s never showed its window\n", qPrintable(platform),
                         !e ? "the editor" : "the bare window");
            return false;
        }
        editor.push_back(*e);
        bare.push_back(*b);
        std::printf("%s run %d: editor %.1f ms, bare window %.1f ms\n", qPrintable(platform), run + 1, *e,
                    *b);
    }
    const double ratio = median(editor) / median(bare);
    std::printf(
        "start-up (%s) median of %d: editor %.1f ms, bare window %.1f ms, ratio %.2fx (target %.1fx): "
        "%s\n",
        qPrintable(platform), kRuns, median(editor), median(bare), ratio, kTarget,
        ratio <= kTarget ? "met" : "NOT met");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    QStringList platforms{QStringLiteral("offscreen")};
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms << QStringLiteral("xcb");
    else
        std::printf("start-up: no DISPLAY, measured offscreen only\n");
    for (const QString& platform : platforms) {
        if (!compare(platform, self))
            return 1;
    }
    return 0;
}
