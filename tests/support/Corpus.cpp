#include "tests/support/Corpus.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "tests/support/TestFiles.h"

namespace quorbel::test {

namespace {

struct Token {
    enum class Kind { Word, String, Number, Symbol, End };
    Kind kind = Kind::End;
    std::string text;  // word, decoded string bytes, or symbol
    long long number = 0;
};

// Tokens of one logical line of a case.
class Tokens {
public:
    Tokens(std::string_view line, std::string where) : where_(std::move(where))
    {
        std::size_t i = 0;
        while (i < line.size()) {
            const char c = line[i];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++i;
            } else if (c == '"') {
                tokens_.push_back(String(line, i));
            } else if (c == '=' && i + 1 < line.size() && line[i + 1] == '>') {
                tokens_.push_back({Token::Kind::Symbol, "=>", 0});
                i += 2;
            } else if (std::string_view("[],+*()").find(c) != std::string_view::npos) {
                tokens_.push_back({Token::Kind::Symbol, std::string(1, c), 0});
                ++i;
            } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                       (c == '-' && i + 1 < line.size() &&
                        std::isdigit(static_cast<unsigned char>(line[i + 1])))) {
                std::size_t end = i + 1;
                while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end])))
                    ++end;
                tokens_.push_back({Token::Kind::Number, std::string(line.substr(i, end - i)),
                                   std::stoll(std::string(line.substr(i, end - i)))});
                i = end;
            } else {
                std::size_t end = i;
                while (end < line.size() &&
                       (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '-' ||
                        line[end] == '_' || line[end] == ':' || line[end] == '.'))
                    ++end;
                if (end == i)
                    Fail(std::string("unexpected character '") + c + "'");
                tokens_.push_back({Token::Kind::Word, std::string(line.substr(i, end - i)), 0});
                i = end;
            }
        }
    }

    const Token& Peek() const { return position_ < tokens_.size() ? tokens_[position_] : end_; }
    Token Take()
    {
        Token token = Peek();
        if (position_ < tokens_.size())
            ++position_;
        return token;
    }
    bool AtEnd() const { return position_ >= tokens_.size(); }
    bool PeekSymbol(const char* symbol) const
    {
        return Peek().kind == Token::Kind::Symbol && Peek().text == symbol;
    }
    bool PeekWord(const char* word) const
    {
        return Peek().kind == Token::Kind::Word && Peek().text == word;
    }
    void Expect(const char* symbol)
    {
        if (!PeekSymbol(symbol))
            Fail(std::string("expected '") + symbol + "'");
        Take();
    }
    long long Number()
    {
        if (Peek().kind != Token::Kind::Number)
            Fail("expected a number");
        return Take().number;
    }
    std::string Word()
    {
        if (Peek().kind != Token::Kind::Word)
            Fail("expected a word");
        return Take().text;
    }
    [[noreturn]] void Fail(const std::string& message) const
    {
        throw CorpusError(where_ + ": " + message);
    }

private:
    Token String(std::string_view line, std::size_t& i) const
    {
        std::string bytes;
        ++i;
        for (;;) {
            if (i >= line.size())
                Fail("unterminated string");
            const char c = line[i++];
            if (c == '"')
                break;
            if (c != '\\') {
                bytes += c;
                continue;
            }
            if (i >= line.size())
                Fail("unterminated escape");
            const char e = line[i++];
            switch (e) {
            case 'r': bytes += '\r'; break;
            case 'n': bytes += '\n'; break;
            case 't': bytes += '\t'; break;
            case '0': bytes += '\0'; break;
            case '\\': bytes += '\\'; break;
            case '"': bytes += '"'; break;
            case 'x': {
                if (i + 2 > line.size() || !std::isxdigit(static_cast<unsigned char>(line[i])) ||
                    !std::isxdigit(static_cast<unsigned char>(line[i + 1])))
                    Fail("\\x needs two hexadecimal digits");
                bytes += static_cast<char>(std::stoi(std::string(line.substr(i, 2)), nullptr, 16));
                i += 2;
                break;
            }
            default: Fail(std::string("unknown escape \\") + e);
            }
        }
        return {Token::Kind::String, bytes, 0};
    }

    std::vector<Token> tokens_;
    std::size_t position_ = 0;
    Token end_;
    std::string where_;
};

// "{}" is the number, "{N}" the number with zeros in front up to N digits.
std::string Format(const std::string& pattern, long long n, Tokens& tokens)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '{') {
            out += pattern[i];
            continue;
        }
        const std::size_t close = pattern.find('}', i);
        if (close == std::string::npos)
            tokens.Fail("unclosed { in each()");
        const std::string width = pattern.substr(i + 1, close - i - 1);
        std::string digits = std::to_string(n);
        if (!width.empty() && digits.size() < std::stoul(width))
            digits.insert(0, std::stoul(width) - digits.size(), '0');
        out += digits;
        i = close;
    }
    return out;
}

// each(FIRST, LAST, "pattern"): the pattern for every number from FIRST to LAST.
std::vector<std::string> Each(Tokens& tokens)
{
    tokens.Word();
    tokens.Expect("(");
    const long long first = tokens.Number();
    tokens.Expect(",");
    const long long last = tokens.Number();
    tokens.Expect(",");
    if (tokens.Peek().kind != Token::Kind::String)
        tokens.Fail("each() needs a pattern string");
    const std::string pattern = tokens.Take().text;
    tokens.Expect(")");
    std::vector<std::string> items;
    for (long long n = first; n <= last; ++n)
        items.push_back(Format(pattern, n, tokens));
    return items;
}

// A term: "bytes" [* N], or each(...) (all of its texts joined).
std::string Term(Tokens& tokens)
{
    std::string bytes;
    if (tokens.PeekWord("each")) {
        for (const std::string& item : Each(tokens))
            bytes += item;
    } else if (tokens.Peek().kind == Token::Kind::String) {
        bytes = tokens.Take().text;
    } else {
        tokens.Fail("expected a string");
    }
    if (tokens.PeekSymbol("*")) {
        tokens.Take();
        const long long count = tokens.Number();
        std::string repeated;
        repeated.reserve(bytes.size() * static_cast<std::size_t>(count));
        for (long long n = 0; n < count; ++n)
            repeated += bytes;
        bytes = std::move(repeated);
    }
    return bytes;
}

std::string Bytes(Tokens& tokens)
{
    std::string bytes = Term(tokens);
    while (tokens.PeekSymbol("+")) {
        tokens.Take();
        bytes += Term(tokens);
    }
    return bytes;
}

std::optional<std::string> BytesOrNull(Tokens& tokens)
{
    if (tokens.PeekWord("null")) {
        tokens.Take();
        return std::nullopt;
    }
    return Bytes(tokens);
}

std::vector<std::string> Names(Tokens& tokens)
{
    std::vector<std::string> names;
    tokens.Expect("[");
    while (!tokens.PeekSymbol("]")) {
        if (tokens.PeekWord("each")) {
            for (std::string& item : Each(tokens))
                names.push_back(std::move(item));
        } else {
            names.push_back(Bytes(tokens));
        }
        if (!tokens.PeekSymbol(","))
            break;
        tokens.Take();
    }
    tokens.Expect("]");
    return names;
}

bool Truth(Tokens& tokens)
{
    const std::string word = tokens.Word();
    if (word != "true" && word != "false")
        tokens.Fail("expected true or false");
    return word == "true";
}

CorpusStep Step(Tokens& tokens, int line)
{
    CorpusStep step;
    step.line = line;
    std::string op = tokens.Word();
    if (op == "ours:" || op == "platform:") {
        step.only = op == "ours:" ? Implementation::Ours : Implementation::Platform;
        op = tokens.Word();
    }
    using Op = CorpusStep::Op;
    if (op == "get" || op == "read-string") {
        step.op = op == "get" ? Op::Get : Op::ReadString;
        step.section = BytesOrNull(tokens);
        step.key = BytesOrNull(tokens);
        step.text = BytesOrNull(tokens);
        if (step.op == Op::Get && tokens.PeekWord("size")) {
            tokens.Take();
            step.size = static_cast<std::uint32_t>(tokens.Number());
        }
        tokens.Expect("=>");
        step.bytes = Bytes(tokens);
    } else if (op == "int") {
        step.op = Op::Int;
        step.section = BytesOrNull(tokens);
        step.key = BytesOrNull(tokens);
        step.intArgument = static_cast<std::int32_t>(tokens.Number());
        tokens.Expect("=>");
        step.number = static_cast<std::int32_t>(tokens.Number());
    } else if (op == "write" || op == "write-section") {
        step.op = op == "write" ? Op::Write : Op::WriteSection;
        step.section = BytesOrNull(tokens);
        if (step.op == Op::Write)
            step.key = BytesOrNull(tokens);
        step.text = BytesOrNull(tokens);
        tokens.Expect("=>");
        step.success = Truth(tokens);
    } else if (op == "list-keys") {
        step.op = Op::ListKeys;
        step.section = Bytes(tokens);
        tokens.Expect("=>");
        step.names = Names(tokens);
    } else if (op == "list-sections") {
        step.op = Op::ListSections;
        tokens.Expect("=>");
        step.names = Names(tokens);
    } else if (op == "file") {
        step.op = Op::File;
        tokens.Expect("=>");
        if (tokens.PeekWord("none")) {
            tokens.Take();
            step.noFile = true;
        } else {
            step.bytes = Bytes(tokens);
        }
    } else if (op == "edit") {
        step.op = Op::Edit;
        step.bytes = Bytes(tokens);
    } else {
        tokens.Fail("unknown step '" + op + "'");
    }
    if (!tokens.AtEnd())
        tokens.Fail("unexpected '" + tokens.Peek().text + "' after the step");
    return step;
}

bool Continues(const std::string& line)
{
    const std::size_t last = line.find_last_not_of(" \t\r");
    if (last == std::string::npos)
        return false;
    return std::string_view("+,[(").find(line[last]) != std::string_view::npos;
}

std::string Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return std::string();
    const std::size_t last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

void AddNote(std::string& note, const std::string& text)
{
    if (!note.empty())
        note += ' ';
    note += text;
}

}  // namespace

bool CorpusCase::HasStepsFor(Implementation who) const
{
    return std::any_of(steps.begin(), steps.end(),
                       [&](const CorpusStep& step) { return step.only == who; });
}

std::vector<CorpusCase> ParseCorpus(std::string_view text, const std::string& sourceName)
{
    std::vector<CorpusCase> cases;
    std::optional<CorpusCase> current;
    std::istringstream in{std::string(text)};
    std::string physical;
    int number = 0;
    while (std::getline(in, physical)) {
        ++number;
        const int first = number;
        std::string line = physical;
        while (Continues(line) && std::getline(in, physical)) {
            ++number;
            line += '\n' + physical;
        }
        const std::string trimmed = Trim(line);
        const std::string where = sourceName + ":" + std::to_string(first);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;

        const std::size_t space = trimmed.find_first_of(" \t");
        const std::string head = trimmed.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : Trim(trimmed.substr(space));
        if (head == "case") {
            if (current)
                throw CorpusError(where + ": case inside case " + current->id);
            if (rest.empty())
                throw CorpusError(where + ": a case needs a name");
            current.emplace();
            current->id = rest;
            current->source = where;
            continue;
        }
        if (!current)
            throw CorpusError(where + ": '" + head + "' outside a case");
        if (head == "end") {
            cases.push_back(std::move(*current));
            current.reset();
        } else if (head == "about:") {
            AddNote(current->about, rest);
        } else if (head == "differs:") {
            AddNote(current->differs, rest);
        } else if (head == "layout:") {
            AddNote(current->layout, rest);
        } else if (head == "codepage:") {
            current->codePage = static_cast<unsigned>(std::stoul(rest));
        } else if (head == "file:") {
            Tokens tokens(rest, where);
            current->file = Bytes(tokens);
            if (!tokens.AtEnd())
                tokens.Fail("unexpected text after the file");
        } else {
            Tokens tokens(trimmed, where);
            current->steps.push_back(Step(tokens, first));
        }
    }
    if (current)
        throw CorpusError(sourceName + ": case " + current->id + " has no end");
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
    for (const fs::path& file : files) {
        std::vector<CorpusCase> parsed =
            ParseCorpus(ReadFileBytes(file.string()), file.filename().string());
        for (CorpusCase& c : parsed)
            cases.push_back(std::move(c));
    }
    return cases;
}

std::string QuoteBytes(std::string_view bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\0': out += "\\0"; break;
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        default:
            if (b < 0x20 || b >= 0x7F) {
                out += "\\x";
                out += hex[b >> 4];
                out += hex[b & 15];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

}  // namespace quorbel::test

namespace quorbel::test {

void PrintTo(const CorpusCase& c, std::ostream* out)
{
    *out << c.id << " (" << c.source << ")";
}

}  // namespace quorbel::test
