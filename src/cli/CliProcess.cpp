#include "CliProcess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

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

} // namespace

int CliSystemFailure(const std::string& what)
{
    const std::string message = "tessarin5-cli: " + what + ". " + std::strerror(errno) + "\n";
    std::fwrite(message.data(), 1, message.size(), stderr);
    return CliExit::FileError;
}

int RunCliProcess(const std::vector<std::string>& args, CliFileCommands fileCommands)
{
    bool readsInput = !args.empty() && ReadsStandardInput(args[0]);
    try {
        ParseCliOptions(args);
    } catch (const CliUsageError&) {
        readsInput = false; // a wrong call is refused at once, not after the input has ended
    }
    std::string input;
    if (readsInput && !readAll(STDIN_FILENO, input)) {
        return CliSystemFailure("Cannot read standard input");
    }
    const CliResult result = RunCli(args, input, fileCommands);
    if (std::fwrite(result.out.data(), 1, result.out.size(), stdout) != result.out.size() || std::fflush(stdout) != 0) {
        return CliSystemFailure("Cannot write to standard output");
    }
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
