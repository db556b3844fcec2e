#include "tests/e2e/support/E2eArguments.h"

#include <cstdlib>

namespace quorbel::e2e {

namespace {

// Wine maps the Unix root to drive Z:.
std::string WindowsPathFromUnix(std::string path)
{
    if (path.empty() || path[0] != '/')
        return path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return "Z:" + path;
}

E2eArguments Parse()
{
    E2eArguments arguments;
    if (const char* folder = std::getenv("QUORBEL_SCREENSHOTS"))
        arguments.screenshots = WindowsPathFromUnix(folder);
    const std::pair<std::string, std::string*> options[] = {
        {"--quorbel=", &arguments.quorbel}, {"--host=", &arguments.host}, {"--screenshots=", &arguments.screenshots}};
    for (int i = 1; i < __argc; ++i)
        for (const auto& [prefix, value] : options)
            if (std::string(__argv[i]).rfind(prefix, 0) == 0)
                *value = WindowsPathFromUnix(__argv[i] + prefix.size());
    return arguments;
}

}  // namespace

const E2eArguments& Arguments()
{
    static const E2eArguments arguments = Parse();
    return arguments;
}

}  // namespace quorbel::e2e
