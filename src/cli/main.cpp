#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "CliCommands.h"
#include "CliOptions.h"

namespace {
// Reads the whole stream into data; false (with errno set) when reading failed.
bool readAll(std::FILE* stream, std::string& data)
{
    std::vector<char> buffer(1 << 16);
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), stream)) > 0) {
        data.append(buffer.data(), got);
    }
    return !std::ferror(stream);
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
    if (readsInput && !readAll(stdin, input)) {
        return streamFailure("Cannot read standard input");
    }
    const CliResult result = RunCli(args, input);
    if (std::fwrite(result.out.data(), 1, result.out.size(), stdout) != result.out.size() || std::fflush(stdout) != 0) {
        return streamFailure("Cannot write to standard output");
    }
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
