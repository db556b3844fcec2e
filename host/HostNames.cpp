#include "host/HostNames.h"

namespace quorbel {

namespace {

bool EqualsIgnoringCase(const std::string& text, const char* expected)
{
    std::size_t i = 0;
    for (; i < text.size() && expected[i]; ++i) {
        char c = text[i];
        char e = expected[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (e >= 'A' && e <= 'Z')
            e = static_cast<char>(e - 'A' + 'a');
        if (c != e)
            return false;
    }
    return i == text.size() && expected[i] == '\0';
}

}  // namespace

bool IsHostCommandLineClass(const std::string& className)
{
    const std::string name = className.substr(0, 259);
    return EqualsIgnoringCase(name, "tcombobox") || EqualsIgnoringCase(name, "TMyComboBox.UnicodeClass");
}

std::string DirectoryChangeText(const std::string& path)
{
    return "cd " + path;
}

}  // namespace quorbel
