#include "CliProcess.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

#include "CliOptions.h"

namespace {

// Reads the whole of the file descriptor into memory, in large blocks straight into it; used is how many bytes
// came. False (with errno set) when reading failed. A regular file's size is known beforehand, so it is read into
// memory of that size (the one byte more lets the read that finds its end need no room of its own). Other input
// goes into a large block that is only reserved: the pages that no byte reaches are never touched and cost
// nothing, and only input that outgrows it is copied into a block twice the size.
bool readAll(int fd, std::unique_ptr<char[]>& memory, std::size_t& used)
{
    constexpr std::size_t reserved = std::size_t{64} << 20;
    constexpr std::size_t fallback = std::size_t{1} << 20;
    struct stat info = {};
    const bool sized = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
    std::size_t size = sized ? static_cast<std::size_t>(info.st_size) + 1 : reserved;
    memory.reset(new (std::nothrow) char[size]);
    if (!memory && !sized) {
        size = fallback;
        memory.reset(new (std::nothrow) char[size]);
    }
    used = 0;
    for (;;) {
        if (!memory) {
            errno = ENOMEM;
            return false;
        }
        if (used == size) {
            std::unique_ptr<char[]> larger(new (std::nothrow) char[2 * size]);
            if (larger) {
                std::memcpy(larger.get(), memory.get(), used);
                size *= 2;
            }
            memory = std::move(larger);
            continue;
        }
        const ssize_t got = read(fd, memory.get() + used, size - used);
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        used += static_cast<std::size_t>(got);
    }
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
    // A wrong call is refused, and a call for help answered, at once, not after the input has ended.
    bool readsInput = false;
    try {
        readsInput = ReadsStandardInput(ParseCliOptions(args).command);
    } catch (const CliUsageError&) {
    }
    std::unique_ptr<char[]> memory;
    std::size_t used = 0;
    if (readsInput && !readAll(STDIN_FILENO, memory, used)) {
        return CliSystemFailure("Cannot read standard input");
    }
    const CliResult result = RunCli(args, std::string_view(memory.get(), used), fileCommands);
    if (std::fwrite(result.out.data(), 1, result.out.size(), stdout) != result.out.size() || std::fflush(stdout) != 0) {
        return CliSystemFailure("Cannot write to standard output");
    }
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
