#include "tests/support/Corpus.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "tests/support/TestFiles.h"

namespace quorbel::test {

namespace {

// One line of a case, read from left to right; blanks between tokens are skipped.
class Line {
public:
    Line(std::string_view text, std::string where) : rest_(text), where_(std::move(where)) {}

    [[noreturn]] void Fail(const std::string& message) const { throw CorpusError(where_ + ": " + message); }

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
    std::string Word() { return Run("a word", [](unsigned char c) { return std::isalnum(c) || c == '-' || c == ':'; }); }
    std::string Number() { return Run("a number", [](unsigned char c) { return std::isdigit(c) || c == '-'; }); }
    std::string Rest() { return Run("text", [](unsigned char) { return true; }); }

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
            for (long long n = Take("*") ? std::stoll(Number()) : 1; n > 0; --n)
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
    // The longest run of characters that `isPart` accepts.
    template <class IsPart>
    std::string Run(const char* what, IsPart isPart)
    {
        Peek();
        std::size_t n = 0;
        while (n < rest_.size() && isPart(static_cast<unsigned char>(rest_[n])))
            ++n;
        if (n == 0)
            Fail(std::string("expected ") + what);
        std::string taken(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return taken;
    }

    std::string Quoted()
    {
        static const std::map<char, char> escapes{{'r', '\r'}, {'n', '\n'}, {'t', '\t'},
                                                  {'0', '\0'}, {'\\', '\\'}, {'"', '"'}};
        Expect("\"");
        std::string bytes;
        for (;;) {
            if (rest_.empty())
                Fail("unterminated string");
            const char c = rest_[0];
            rest_.remove_prefix(1);
            if (c == '"')
                return bytes;
            if (c != '\\') {
                bytes += c;
            } else if (!rest_.empty() && escapes.count(rest_[0])) {
                bytes += escapes.at(rest_[0]);
                rest_.remove_prefix(1);
            } else if (rest_.size() >= 3 && rest_[0] == 'x' && std::isxdigit(static_cast<unsigned char>(rest_[1])) &&
                       std::isxdigit(static_cast<unsigned char>(rest_[2]))) {
                bytes += static_cast<char>(std::stoi(std::string(rest_.substr(1, 2)), nullptr, 16));
                rest_.remove_prefix(3);
            } else {
                Fail("unknown escape \\" + std::string(rest_.substr(0, 1)));
            }
        }
    }

    // (FIRST, LAST, "pattern"): the pattern for every number, each "{}" replaced by it.
    std::vector<std::string> Each()
    {
        Expect("(");
        const long long first = std::stoll(Number());
        Expect(",");
        const long long last = std::stoll(Number());
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

// The steps and how many arguments each takes.
const std::map<std::string, std::size_t> kArguments{
    {"get", 3}, {"read-string", 3}, {"int", 3}, {"write", 3}, {"write-section", 2},
    {"list-keys", 1}, {"list-sections", 0}, {"file", 0}, {"edit", 1}};

// A byte string, a name list, a number, or one of `words` (nullopt for "null" or "none").
std::optional<std::string> Value(Line& line)
{
    for (const char* word : {"true", "false"})
        if (line.Take(word))
            return word;
    if (line.Take("null") || line.Take("none"))
        return std::nullopt;
    const char next = line.Peek();
    return next == '[' ? line.Names() : next == '"' || next == 'e' ? line.Bytes() : line.Number();
}

CorpusStep Step(Line& line, int number)
{
    CorpusStep step;
    step.line = number;
    if (line.Take("ours:"))
        step.only = Implementation::Ours;
    else if (line.Take("platform:"))
        step.only = Implementation::Platform;
    step.op = line.Word();
    const auto arguments = kArguments.find(step.op);
    if (arguments == kArguments.end())
        line.Fail("unknown step '" + step.op + "'");
    while (line.Peek() != '\0' && line.Peek() != '=') {
        if (line.Take("size"))
            step.size = static_cast<std::uint32_t>(std::stoul(line.Number()));
        else
            step.args.push_back(Value(line));
    }
    if (step.args.size() != arguments->second)
        line.Fail(step.op + " takes " + std::to_string(arguments->second) + " arguments");
    if (step.op != "edit") {
        line.Expect("=>");
        step.expected = Value(line);
    }
    if (line.Peek() != '\0')
        line.Fail("unexpected text after the step");
    return step;
}

}  // namespace

bool CorpusCase::HasStepsFor(Implementation who) const
{
    return std::any_of(steps.begin(), steps.end(), [&](const CorpusStep& step) { return step.only == who; });
}

std::vector<CorpusCase> ParseCorpus(std::string_view text, const std::string& sourceName)
{
    std::vector<CorpusCase> cases;
    std::istringstream in{std::string(text)};
    std::string physical;
    for (int number = 1; std::getline(in, physical); ++number) {
        const std::string where = sourceName + ":" + std::to_string(number);
        Line line(physical, where);
        if (line.Peek() == '\0' || line.Peek() == '#')
            continue;
        if (line.Take("case ")) {
            cases.emplace_back();
            cases.back().id = line.Word();
            cases.back().source = where;
            continue;
        }
        if (cases.empty())
            line.Fail("a step outside a case");
        CorpusCase& c = cases.back();
        const auto note = [&](std::string& to) { to += (to.empty() ? "" : " ") + line.Rest(); };
        if (line.Take("about:"))
            note(c.about);
        else if (line.Take("differs:"))
            note(c.differs);
        else if (line.Take("layout:"))
            note(c.layout);
        else if (line.Take("codepage:"))
            c.codePage = static_cast<unsigned>(std::stoul(line.Number()));
        else if (line.Take("file:"))
            c.file = line.Bytes();
        else
            c.steps.push_back(Step(line, number));
    }
    return cases;
}

std::vector<CorpusCase> LoadCorpus(const std::string& directory)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(directory)))
        if (entry.path().extension() == ".corpus")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<CorpusCase> cases;
    for (const fs::path& file : files)
        for (CorpusCase& c : ParseCorpus(ReadFileBytes(file.string()), file.filename().string()))
            cases.push_back(std::move(c));
    return cases;
}

std::string QuoteBytes(std::string_view bytes)
{
    static const std::map<char, const char*> named{{'\r', "\\r"}, {'\n', "\\n"}, {'\t', "\\t"},
                                                   {'\0', "\\0"}, {'\\', "\\\\"}, {'"', "\\\""}};
    std::string out = "\"";
    for (char c : bytes) {
        char hex[5];
        const auto b = static_cast<unsigned char>(c);
        std::snprintf(hex, sizeof hex, "\\x%02X", b);
        out += named.count(c) ? named.at(c) : b < 0x20 || b >= 0x7F ? hex : std::string(1, c);
    }
    return out + "\"";
}

}  // namespace quorbel::test
