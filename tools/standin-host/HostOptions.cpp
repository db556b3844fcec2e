#include "tools/standin-host/HostOptions.h"

#include <cstdlib>

namespace standin {

namespace {

// Splits "--name=value"; a bare "--name" has an empty value and no '='.
bool SplitOption(const std::string& argument, std::string& name, std::string& value,
                 bool& hasValue)
{
    if (argument.compare(0, 2, "--") != 0)
        return false;
    const std::size_t equals = argument.find('=');
    hasValue = equals != std::string::npos;
    name = argument.substr(2, hasValue ? equals - 2 : std::string::npos);
    value = hasValue ? argument.substr(equals + 1) : std::string();
    return true;
}

// Reads `count` comma-separated decimal integers, nothing more and nothing less.
bool ParseIntegers(const std::string& text, long* out, int count)
{
    const char* p = text.c_str();
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        out[i] = std::strtol(p, &end, 10);
        if (end == p)
            return false;
        p = end;
        if (i + 1 < count) {
            if (*p != ',')
                return false;
            ++p;
        }
    }
    return *p == '\0';
}

bool ParseDuration(const std::string& text, DWORD& out)
{
    long value = 0;
    if (!ParseIntegers(text, &value, 1) || value < 0)
        return false;
    out = static_cast<DWORD>(value);
    return true;
}

}  // namespace

bool ParseHostOptions(const std::vector<std::string>& arguments, HostOptions& options,
                      std::string& error)
{
    for (const std::string& argument : arguments) {
        std::string name, value;
        bool hasValue = false;
        if (!SplitOption(argument, name, value, hasValue)) {
            error = "not an option: " + argument;
            return false;
        }
        bool ok = hasValue;
        if (name == "minimized") {
            ok = !hasValue;
            options.minimized = true;
        } else if (name == "log") {
            options.logPath = value;
        } else if (name == "title") {
            options.title = value;
        } else if (name == "combo-class") {
            ok = ok && !value.empty();
            options.comboClass = value;
        } else if (name == "text") {
            options.commandLineText = value;
        } else if (name == "pos") {
            long r[4];
            ok = ok && ParseIntegers(value, r, 4) && r[2] > 0 && r[3] > 0;
            if (ok) {
                options.hasRect = true;
                options.rect = RECT{r[0], r[1], r[2], r[3]};
            }
        } else if (name == "hang-at-start") {
            ok = ok && ParseDuration(value, options.hangAtStartMs);
        } else if (name == "busy-after-text") {
            ok = ok && ParseDuration(value, options.busyAfterTextMs);
        } else if (name == "hang-after") {
            long r[2];
            ok = ok && ParseIntegers(value, r, 2) && r[0] >= 0 && r[1] >= 0;
            if (ok) {
                options.hangAfterDelayMs = static_cast<DWORD>(r[0]);
                options.hangAfterMs = static_cast<DWORD>(r[1]);
            }
        } else {
            error = "unknown option: " + argument;
            return false;
        }
        if (!ok) {
            error = "malformed option: " + argument;
            return false;
        }
    }
    return true;
}

}  // namespace standin
