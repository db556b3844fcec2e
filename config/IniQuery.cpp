#include "config/IniQuery.h"

#include "config/IniLineReader.h"
#include "config/IniName.h"

namespace quorbel {

std::optional<std::string_view> IniQuery::Value(std::string_view section,
                                                std::string_view key) const
{
    section = TrimIniBlanks(section);
    key = TrimIniBlanks(key);
    IniLineReader reader(text_, lead_);
    IniLine line;
    // The lines before the first header form a section without a name.
    bool inSection = SameIniName(section, "", lead_);
    bool seen = inSection;
    while (reader.Next(line)) {
        if (line.kind == IniLine::Kind::Section) {
            if (seen)
                return std::nullopt;
            inSection = seen = SameIniName(line.name, section, lead_);
        } else if (inSection && line.kind == IniLine::Kind::Entry && SameIniName(line.name, key, lead_)) {
            if (!line.hasValue)
                return std::nullopt;
            return line.value;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> IniQuery::KeyNames(std::string_view section) const
{
    std::vector<std::string_view> names;
    IniLineReader reader(text_, lead_);
    IniLine line;
    bool inSection = SameIniName(section, "", lead_);
    bool seen = inSection;
    while (reader.Next(line)) {
        if (line.kind == IniLine::Kind::Section) {
            if (seen)
                break;
            inSection = seen = SameIniName(line.name, section, lead_);
        } else if (inSection && line.kind == IniLine::Kind::Entry && line.hasValue &&
                   (line.name.empty() || line.name.front() != ';')) {
            names.push_back(line.name);
        }
    }
    return names;
}

std::vector<std::string_view> IniQuery::SectionNames() const
{
    std::vector<std::string_view> names;
    IniLineReader reader(text_, lead_);
    IniLine line;
    while (reader.Next(line))
        if (line.kind == IniLine::Kind::Section && !line.name.empty())
            names.push_back(line.name);
    return names;
}

}  // namespace quorbel
