// tessarin5-cli: the commands that work on text alone (encrypt, decrypt, solve, help, version) run here, on the
// standard library only, so that the program starts without loading Qt and its dependencies. The commands on
// puzzle files, which need Qt, are handed to the helper program tessarin5-cli-files.

#include <cerrno>
#include <string>
#include <vector>

#include <unistd.h>

#include "CliOptions.h"
#include "CliProcess.h"
#include "CliSupport.h"

namespace {

// Replaces this process with the helper, which gets the same arguments and the unread standard input; returns
// only when the helper cannot be started.
int runFileCommand(char* argv[])
{
    const std::filesystem::path helper = CliProgramDir() / TESSARIN_CLI_HELPER;
    execv(helper.c_str(), argv);
    return CliSystemFailure("Cannot start " + helper.lexically_normal().string());
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && IsFileCommandWord(args[0])) {
        return runFileCommand(argv);
    }
    return RunCliProcess(args, nullptr);
}
