#include "config/SubmenuKey.h"

#include <chrono>
#include <random>
#include <set>
#include <vector>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SectionOps.h"

namespace quorbel {

namespace {

UuidText (*g_uuidSource)() = nullptr;

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        const auto la = (ca >= 'A' && ca <= 'Z') ? ca + 32 : ca;
        const auto lb = (cb >= 'A' && cb <= 'Z') ? cb + 32 : cb;
        if (la != lb)
            return false;
    }
    return true;
}

// One generator for the whole run, seeded once: keys made in the same millisecond still
// differ, which a generator seeded from the clock before every key would not give.
std::mt19937_64& LetterGenerator()
{
    static std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{static_cast<std::uint64_t>(device()),
                           static_cast<std::uint64_t>(
                               std::chrono::steady_clock::now().time_since_epoch().count())};
        return std::mt19937_64(seed);
    }();
    return generator;
}

}  // namespace

void SetUuidSourceForTesting(UuidText (*source)())
{
    g_uuidSource = source;
}

std::string MakeLetterKey(const std::function<bool(const std::string&)>& taken)
{
    static std::set<std::string> madeThisRun;
    std::uniform_int_distribution<int> letter(0, 25);
    for (;;) {
        std::string key(32, 'a');
        for (char& c : key)
            c = static_cast<char>('a' + letter(LetterGenerator()));
        if (madeThisRun.count(key) || (taken && taken(key)))
            continue;
        madeThisRun.insert(key);
        return key;
    }
}

bool SubmenuKeyInUse(const std::string& key)
{
    std::vector<std::string> names;
    ListSectionNames(IniPath(kSubmenuIniFile), names);
    for (const std::string& name : names)
        if (SameName(name, key) || SameName(name, key + kDecorationSuffix))
            return true;

    const std::string mainPath = IniPath(kMainIniFile);
    ListSectionNames(mainPath, names);
    for (const std::string& name : names)
        if (SameName(IniSection(name, mainPath).ReadString(key::kSubmenuKey), key))
            return true;
    return false;
}

std::string MakeSubmenuKey()
{
    const UuidText uuid = g_uuidSource ? g_uuidSource() : CreateUuidText();
    switch (uuid.status) {
    case UuidText::Status::Ok: return uuid.text;
    case UuidText::Status::ConversionFailed: return std::string();
    case UuidText::Status::Unavailable: break;
    }
    return MakeLetterKey(SubmenuKeyInUse);
}

}  // namespace quorbel
