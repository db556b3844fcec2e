#include "tests/support/Corpus.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>

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

}  // namespace

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
        Parse(ReadFileBytes(file.string()), file.filename().string(), cases);
    return cases;
}

}  // namespace quorbel::test
