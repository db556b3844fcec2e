#include "tests/support/CorpusRunner.h"

#include <cctype>
#include <sstream>

#include "config/IniSection.h"
#include "config/SectionOps.h"
#include "tests/support/TestFiles.h"

namespace quorbel::test {

namespace {

// Makes `api` the program's store for as long as it lives.
class ProfileScope {
public:
    explicit ProfileScope(ProfileApi& api) { UseProfile(&api); }
    ~ProfileScope() { UseProfile(nullptr); }
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;
};

const char* Pointer(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

std::string Names(const std::vector<std::string>& names)
{
    // Long generated lists are summed up rather than printed whole.
    std::ostringstream out;
    out << names.size() << " names [";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i == 6 && names.size() > 8) {
            out << ", ..., " << QuoteBytes(names.back());
            break;
        }
        out << (i ? ", " : "") << QuoteBytes(names[i]);
    }
    return out.str() + "]";
}

std::string Shorten(const std::string& quoted)
{
    if (quoted.size() <= 300)
        return quoted;
    return quoted.substr(0, 140) + " ... " + quoted.substr(quoted.size() - 140) + " (" +
           std::to_string(quoted.size()) + " characters quoted)";
}

class Run {
public:
    Run(const CorpusCase& c, ProfileApi& profile) : case_(c), profile_(profile), path_(dir_.File("case.ini")) {}

    void Step(const CorpusStep& step)
    {
        using Op = CorpusStep::Op;
        switch (step.op) {
        case Op::Get: Get(step); break;
        case Op::Int: {
            const auto got = static_cast<std::int32_t>(profile_.GetInt(
                Pointer(step.section), Pointer(step.key), *step.intArgument, path_.c_str()));
            Check(step, got == step.number, std::to_string(got), std::to_string(step.number));
            break;
        }
        case Op::Write:
        case Op::WriteSection: {
            const bool got = step.op == Op::Write
                                 ? profile_.WriteString(Pointer(step.section), Pointer(step.key),
                                                        Pointer(step.text), path_.c_str())
                                 : profile_.WriteSection(Pointer(step.section), Pointer(step.text),
                                                         path_.c_str());
            Check(step, got == step.success, got ? "true" : "false", step.success ? "true" : "false");
            break;
        }
        case Op::ReadString: {
            const std::string got = IniSection(*step.section, path_)
                                        .ReadString(step.key->c_str(), Pointer(step.text));
            Check(step, got == step.bytes, Shorten(QuoteBytes(got)), Shorten(QuoteBytes(step.bytes)));
            break;
        }
        case Op::ListKeys:
        case Op::ListSections: {
            std::vector<std::string> got;
            const bool ok = step.op == Op::ListKeys ? ListSectionKeys(*step.section, path_, got)
                                                    : ListSectionNames(path_, got);
            Check(step, ok && got == step.names, Names(got), Names(step.names));
            break;
        }
        case Op::File: {
            const bool exists = FileExists(path_);
            const std::string got = exists ? ReadFileBytes(path_) : std::string();
            const bool same = step.noFile ? !exists : exists && got == step.bytes;
            Check(step, same, exists ? Shorten(QuoteBytes(got)) : "none",
                  step.noFile ? "none" : Shorten(QuoteBytes(step.bytes)));
            break;
        }
        case Op::Edit: WriteFileBytes(path_, step.bytes); break;
        }
    }

    void Start()
    {
        if (case_.file)
            WriteFileBytes(path_, *case_.file);
    }

    std::vector<std::string> failures;

private:
    void Get(const CorpusStep& step)
    {
        // The buffer is filled with a marker first, so that a missing terminating zero
        // shows rather than a zero left over from before.
        std::vector<char> buffer(step.size + 1, '\x7E');
        const std::uint32_t length = profile_.GetString(Pointer(step.section), Pointer(step.key),
                                                        Pointer(step.text), buffer.data(),
                                                        step.size, path_.c_str());
        const bool fits = length < step.size;
        const std::string got(buffer.data(), fits ? length : step.size);
        const bool terminated = fits && buffer[length] == '\0';
        Check(step, got == step.bytes && terminated,
              Shorten(QuoteBytes(got)) + " (length " + std::to_string(length) +
                  (terminated ? "" : ", no zero after it") + ")",
              Shorten(QuoteBytes(step.bytes)));
    }

    void Check(const CorpusStep& step, bool ok, const std::string& got, const std::string& wanted)
    {
        if (ok)
            return;
        std::ostringstream message;
        message << case_.source.substr(0, case_.source.find(':')) << ":" << step.line << ": got "
                << got << ", corpus says " << wanted;
        failures.push_back(message.str());
    }

    const CorpusCase& case_;
    ProfileApi& profile_;
    TempDir dir_;
    std::string path_;
};

}  // namespace

std::vector<std::string> RunCorpusCase(const CorpusCase& c, Implementation who, ProfileApi& profile)
{
    ProfileScope scope(profile);
    Run run(c, profile);
    run.Start();
    for (const CorpusStep& step : c.steps)
        if (!step.only || *step.only == who)
            run.Step(step);
    return run.failures;
}

}  // namespace quorbel::test

namespace quorbel::test {

namespace {
std::string g_loadError;
}

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

const std::string& CorpusLoadError()
{
    return g_loadError;
}

std::string CorpusTestName(const CorpusCase& c)
{
    std::string name;
    for (char ch : c.id)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

}  // namespace quorbel::test
