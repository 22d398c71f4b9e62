// tessarin5-cli-files: the commands of tessarin5-cli that work on puzzle files (add, show, pdf, rate). tessarin5-cli
// hands them over with its own arguments, so that it starts without Qt for the commands on text alone.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "CliFileCommands.h"
#include "CliProcess.h"

namespace {

// The pdf command draws with Qt's fonts and PDF writer, which need a GUI application; without a display it runs on
// the offscreen platform.
std::unique_ptr<QGuiApplication> guiForPdf(int& argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The toolkit's notes (a missing XDG_RUNTIME_DIR, font substitutions) are not the tool's messages: standard
    // error carries only the one line of a failure.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
        }
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<QGuiApplication> app;
    if (!args.empty() && args[0] == "pdf") {
        app = guiForPdf(argc, argv);
    }
    return RunCliProcess(args, RunCliFileCommand);
}
