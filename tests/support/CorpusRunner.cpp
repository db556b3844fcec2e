#include "tests/support/CorpusRunner.h"

#include <cctype>
#include <cstdio>

#include "config/IniSection.h"
#include "config/SectionOps.h"
#include "tests/support/TestFiles.h"

namespace quorbel::test {

namespace {

const char* Pointer(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

// Bytes written the way the corpus writes them.
std::string Show(const std::optional<std::string>& bytes)
{
    if (!bytes)
        return "none";
    std::string out = "\"";
    for (const char c : *bytes) {
        const auto b = static_cast<unsigned char>(c);
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", b);
        out += b < 0x20 || b >= 0x7F || c == '"' || c == '\\' ? hex : std::string(1, c);
    }
    return out + "\"";
}

// What a step gives, in the form in which the corpus writes it.
std::optional<std::string> Perform(const CorpusStep& step, ProfileApi& profile, const std::string& path)
{
    const auto& a = step.args;
    if (step.op == "get") {
        // A marker in the buffer first, so that a missing terminating zero shows rather
        // than a zero left over from before.
        std::string buffer(step.size + 1, '\x7E');
        const std::uint32_t length =
            profile.GetString(Pointer(a[0]), Pointer(a[1]), Pointer(a[2]), buffer.data(), step.size, path.c_str());
        if (length >= step.size || buffer[length] != '\0')
            return buffer.substr(0, step.size) + " <length " + std::to_string(length) + ", no zero after it>";
        return buffer.substr(0, length);
    }
    if (step.op == "int")
        return std::to_string(static_cast<std::int32_t>(
            profile.GetInt(Pointer(a[0]), Pointer(a[1]), std::stoi(*a[2]), path.c_str())));
    if (step.op == "write")
        return profile.WriteString(Pointer(a[0]), Pointer(a[1]), Pointer(a[2]), path.c_str()) ? "true" : "false";
    if (step.op == "write-section")
        return profile.WriteSection(Pointer(a[0]), Pointer(a[1]), path.c_str()) ? "true" : "false";
    if (step.op == "read-string")
        return IniSection(*a[0], path).ReadString(a[1]->c_str(), Pointer(a[2]));
    if (step.op == "list-keys" || step.op == "list-sections") {
        std::vector<std::string> names{"left over"};  // must be emptied first
        const bool ok = step.op == "list-keys" ? ListSectionKeys(*a[0], path, names) : ListSectionNames(path, names);
        std::string list = ok ? "" : "<failed> ";
        for (const std::string& name : names)
            list += name + '\0';
        return list;
    }
    if (step.op == "file")
        return std::filesystem::exists(path) ? std::optional<std::string>(ReadFileBytes(path)) : std::nullopt;
    WriteFileBytes(path, *a[0]);  // edit
    return std::nullopt;
}

}  // namespace

std::vector<std::string> RunCorpusCase(const CorpusCase& c, Implementation who, ProfileApi& profile)
{
    const ProfileScope scope(profile);
    const TempDir dir;
    const std::string path = dir.File("case.ini");
    if (c.file)
        WriteFileBytes(path, *c.file);
    std::vector<std::string> failures;
    const std::string file = c.source.substr(0, c.source.find(':'));
    for (const CorpusStep& step : c.steps) {
        if (step.only && *step.only != who)
            continue;
        const std::optional<std::string> got = Perform(step, profile, path);
        if (got != step.expected)
            failures.push_back(file + ":" + std::to_string(step.line) + ": got " + Show(got) + ", corpus says " +
                               Show(step.expected));
    }
    return failures;
}

static std::string g_loadError;

const std::vector<CorpusCase>& CorpusCases(const char* directory)
{
    static const std::vector<CorpusCase> cases = [directory] {
        try {
            return LoadCorpus(directory);
        } catch (const std::exception& error) {
            g_loadError = error.what();
            return std::vector<CorpusCase>();
        }
    }();
    return cases;
}

const std::string& CorpusLoadError() { return g_loadError; }

std::string CorpusTestName(const CorpusCase& c)
{
    std::string name;
    for (char ch : c.id)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

}  // namespace quorbel::test
