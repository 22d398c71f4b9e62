#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>

#include "CliCommands.h"
#include "CliOptions.h"

namespace {
// Reads the whole of the file descriptor into data, in large blocks straight into its buffer; false (with errno set)
// when reading failed. A regular file's size is known beforehand, so it is read without regrowing the buffer; the
// one byte more lets the read that finds its end need no room of its own.
bool readAll(int fd, std::string& data)
{
    constexpr std::size_t firstBlock = std::size_t{1} << 20;
    struct stat info = {};
    const bool sized = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
    data.resize(sized ? static_cast<std::size_t>(info.st_size) + 1 : firstBlock);
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) {
            data.resize(2 * data.size());
        }
        const ssize_t got = read(fd, data.data() + used, data.size() - used);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        used += static_cast<std::size_t>(got);
    }
    data.resize(used);
    return true;
}

// A stream that cannot be used is a file error: one line on standard error, exit status 1.
int streamFailure(const char* what)
{
    const std::string message = std::string("tessarin5-cli: ") + what + ". " + std::strerror(errno) + "\n";
    std::fwrite(message.data(), 1, message.size(), stderr);
    return CliExit::FileError;
}

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
    bool readsInput =
        !args.empty() && (args[0] == "encrypt" || args[0] == "decrypt" || args[0] == "add" || args[0] == "solve");
    try {
        ParseCliOptions(args);
    } catch (const CliUsageError&) {
        readsInput = false; // a wrong call is refused at once, not after the input has ended
    }
    std::string input;
    if (readsInput && !readAll(STDIN_FILENO, input)) {
        return streamFailure("Cannot read standard input");
    }
    const CliResult result = RunCli(args, input);
    if (std::fwrite(result.out.data(), 1, result.out.size(), stdout) != result.out.size() || std::fflush(stdout) != 0) {
        return streamFailure("Cannot write to standard output");
    }
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
