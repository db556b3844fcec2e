#include "tests/support/Corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>

#include "config/IniSection.h"
#include "config/SectionOps.h"
#include "tests/support/TestFiles.h"

namespace quorbel::test {

namespace {

// One line of a case, read from left to right; blanks between tokens are skipped.
class Line {
public:
    Line(std::string_view text, std::string where) : rest_(text), where_(std::move(where)) {}

    [[noreturn]] void Fail(const std::string& message) const { throw std::runtime_error(where_ + ": " + message); }

    char Peek()
    {
        while (!rest_.empty() && std::isspace(static_cast<unsigned char>(rest_[0])))
            rest_.remove_prefix(1);
        return rest_.empty() ? '\0' : rest_[0];
    }
    bool Take(std::string_view token)
    {
        Peek();
        const bool found = rest_.substr(0, token.size()) == token;
        if (found)
            rest_.remove_prefix(token.size());
        return found;
    }
    void Expect(std::string_view token)
    {
        if (!Take(token))
            Fail("expected '" + std::string(token) + "'");
    }
    // The longest run of letters, digits, "-" and ":" (a word or a number).
    std::string Word()
    {
        Peek();
        std::size_t n = 0;
        while (n < rest_.size() && (std::isalnum(static_cast<unsigned char>(rest_[n])) || rest_[n] == '-' ||
                                    rest_[n] == ':'))
            ++n;
        if (n == 0)
            Fail("expected a word or a number");
        std::string word(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return word;
    }
    long long Number() { return std::stoll(Word()); }

    // "bytes" [* N] or each(...), joined with "+".
    std::string Bytes()
    {
        std::string bytes;
        do {
            if (Take("each")) {
                for (const std::string& item : Each())
                    bytes += item;
                continue;
            }
            const std::string term = Quoted();
            for (long long n = Take("*") ? Number() : 1; n > 0; --n)
                bytes += term;
        } while (Take("+"));
        return bytes;
    }

    // [name, each(...), ...]: the names, each ended by a zero byte.
    std::string Names()
    {
        std::string names;
        Expect("[");
        while (!Take("]")) {
            for (const std::string& name : Take("each") ? Each() : std::vector<std::string>{Bytes()})
                names += name + '\0';
            if (Peek() != ']')
                Expect(",");
        }
        return names;
    }

private:
    std::string Quoted()
    {
        static const std::map<char, char> escapes{{'r', '\r'}, {'n', '\n'}, {'t', '\t'},
                                                  {'0', '\0'}, {'\\', '\\'}, {'"', '"'}};
        Expect("\"");
        std::string bytes;
        while (!rest_.empty() && rest_[0] != '"') {
            const char c = rest_[0];
            rest_.remove_prefix(1);
            if (c != '\\') {
                bytes += c;
            } else if (!rest_.empty() && escapes.count(rest_[0])) {
                bytes += escapes.at(rest_[0]);
                rest_.remove_prefix(1);
            } else if (rest_.size() >= 3 && rest_[0] == 'x') {
                bytes += static_cast<char>(std::stoi(std::string(rest_.substr(1, 2)), nullptr, 16));
                rest_.remove_prefix(3);
            } else {
                Fail("unknown escape");
            }
        }
        Expect("\"");
        return bytes;
    }

    // (FIRST, LAST, "pattern"): the pattern for every number, each "{}" replaced by it.
    std::vector<std::string> Each()
    {
        Expect("(");
        const long long first = Number();
        Expect(",");
        const long long last = Number();
        Expect(",");
        const std::string pattern = Quoted();
        Expect(")");
        std::vector<std::string> items;
        for (long long n = first; n <= last; ++n) {
            std::string item = pattern;
            for (std::size_t at; (at = item.find("{}")) != std::string::npos;)
                item.replace(at, 2, std::to_string(n));
            items.push_back(std::move(item));
        }
        return items;
    }

    std::string_view rest_;
    std::string where_;
};

// A byte string, a name list, a number, true or false (nullopt for "null" or "none").
std::optional<std::string> Value(Line& line)
{
    for (const char* word : {"true", "false"})
        if (line.Take(word))
            return word;
    if (line.Take("null") || line.Take("none"))
        return std::nullopt;
    const char next = line.Peek();
    return next == '[' ? line.Names() : next == '"' || next == 'e' ? line.Bytes() : line.Word();
}

CorpusStep Step(Line& line, int number)
{
    static const std::map<std::string, std::size_t> arguments{
        {"get", 3},       {"read-string", 3}, {"int", 3},  {"write", 3}, {"write-section", 2},
        {"list-keys", 1}, {"list-sections", 0}, {"file", 0}, {"edit", 1}};
    CorpusStep step;
    step.line = number;
    if (line.Take("ours:"))
        step.only = Implementation::Ours;
    else if (line.Take("platform:"))
        step.only = Implementation::Platform;
    step.op = line.Word();
    while (line.Peek() != '\0' && line.Peek() != '=') {
        if (line.Take("size"))
            step.size = static_cast<std::uint32_t>(line.Number());
        else
            step.args.push_back(Value(line));
    }
    if (!arguments.count(step.op) || arguments.at(step.op) != step.args.size())
        line.Fail("unknown step or wrong number of arguments");
    if (step.op != "edit") {
        line.Expect("=>");
        step.expected = Value(line);
    }
    if (line.Peek() != '\0')
        line.Fail("unexpected text after the step");
    return step;
}

void Parse(const std::string& text, const std::string& sourceName, std::vector<CorpusCase>& cases)
{
    std::istringstream in(text);
    std::string physical;
    for (int number = 1; std::getline(in, physical); ++number) {
        Line line(physical, sourceName + ":" + std::to_string(number));
        if (line.Peek() == '\0' || line.Peek() == '#' || line.Take("about:") || line.Take("differs:") ||
            line.Take("layout:"))
            continue;  // notes are for the reader of the corpus
        if (line.Take("case ")) {
            cases.emplace_back();
            cases.back().id = line.Word();
            cases.back().source = sourceName + ":" + std::to_string(number);
        } else if (cases.empty()) {
            line.Fail("a step outside a case");
        } else if (line.Take("codepage:")) {
            cases.back().codePage = static_cast<unsigned>(line.Number());
        } else if (line.Take("file:")) {
            cases.back().file = line.Bytes();
        } else {
            cases.back().steps.push_back(Step(line, number));
        }
    }
}

const char* Pointer(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
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

const std::vector<CorpusCase>& CorpusCases(const char* directory)
{
    static const std::vector<CorpusCase> cases = [directory] {
        namespace fs = std::filesystem;
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(fs::path(directory)))
            if (entry.path().extension() == ".corpus")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        std::vector<CorpusCase> all;
        for (const fs::path& file : files)
            Parse(ReadFileBytes(file.string()), file.filename().string(), all);
        return all;
    }();
    return cases;
}

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
            failures.push_back(file + ":" + std::to_string(step.line) + ": got " + ::testing::PrintToString(got) +
                               ", corpus says " + ::testing::PrintToString(step.expected));
    }
    return failures;
}

std::string CorpusTestName(const CorpusCase& c)
{
    std::string name;
    for (char ch : c.id)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

}  // namespace quorbel::test
