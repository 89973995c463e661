// Preloaded into the editor: says whether the application was made to share OpenGL contexts, which
// sets up OpenGL at every start on X, then ends the process before any window exists.
#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

void report() {
    const bool shared = QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts);
    std::printf("shared OpenGL contexts: %s\n", shared ? "yes" : "no");
    std::fflush(stdout);
    ::_exit(0);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(report)
