#include "tests/e2e/support/E2eArguments.h"

#include <cstdlib>

namespace quorbel::e2e {

namespace {

// The Windows form of a path: Unix paths ("/x/y") become "Z:\\x\\y", as Wine maps the root
// to drive Z:. Windows paths come back unchanged.
std::string WindowsPathFromUnix(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/')
            c = '\\';
    return windows;
}

bool TakeOption(const std::string& argument, const char* name, std::string& out)
{
    const std::string prefix = std::string("--") + name + "=";
    if (argument.compare(0, prefix.size(), prefix) != 0)
        return false;
    out = WindowsPathFromUnix(argument.substr(prefix.size()));
    return true;
}

E2eArguments Parse()
{
    E2eArguments arguments;
    if (const char* folder = std::getenv("QUORBEL_SCREENSHOTS"))
        arguments.screenshots = WindowsPathFromUnix(folder);
    // __argv is the C runtime's split of the command line, the one main() received.
    for (int i = 1; i < __argc; ++i) {
        const std::string argument = __argv[i];
        TakeOption(argument, "quorbel", arguments.quorbel) ||
            TakeOption(argument, "host", arguments.host) ||
            TakeOption(argument, "screenshots", arguments.screenshots);
    }
    return arguments;
}

}  // namespace

const E2eArguments& Arguments()
{
    static const E2eArguments arguments = Parse();
    return arguments;
}

}  // namespace quorbel::e2e
