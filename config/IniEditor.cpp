#include "config/IniEditor.h"

#include "config/IniLineReader.h"
#include "config/IniName.h"

namespace quorbel {

namespace {

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

}  // namespace

std::string IniEditor::LineEnd() const
{
    const std::size_t first = text_.find_first_of("\r\n");
    if (first == std::string::npos)
        return "\r\n";
    if (text_[first] == '\n')
        return "\n";
    return first + 1 < text_.size() && text_[first + 1] == '\n' ? "\r\n" : "\r";
}

// How far the removal of the line [begin, end) with its line end up to `next` may go:
// bytes that look like a byte-order mark must not come to stand at the start of the text,
// where they would stop being part of a line, so then the line end stays.
std::size_t IniEditor::EraseUpTo(std::size_t begin, std::size_t end, std::size_t next) const
{
    if (begin == 0 && IniLineReader::BodyStart(std::string_view(text_).substr(next)) != 0)
        return end;
    return next;
}

void IniEditor::InsertLines(std::size_t at, const std::string& lines)
{
    // A last line without its line end gets one before anything follows it.
    if (at == text_.size() && at > IniLineReader::BodyStart(text_) && !IsLineEnd(text_.back()))
        text_.insert(at, LineEnd() + lines);
    else
        text_.insert(at, lines);
}

void IniEditor::AppendSection(std::string_view section, const std::string& lines)
{
    std::string block = "[";
    block += TrimLeadingIniBlanks(section);
    block += ']';
    block += LineEnd();
    block += lines;
    InsertLines(text_.size(), block);
}

bool IniEditor::FindForWrite(std::string_view section, std::string_view key, Place& place) const
{
    section = TrimIniBlanks(section);
    key = TrimIniBlanks(key);
    const std::size_t body = IniLineReader::BodyStart(text_);
    IniLineReader reader(text_, lead_);
    IniLine line;
    // The lines before the first header are the section without a name.
    bool found = SameIniName(section, "", lead_);
    place.insertAt = body;
    while (reader.Next(line)) {
        if (line.kind == IniLine::Kind::Section) {
            if (found)
                break;
            if (SameIniName(line.name, section, lead_)) {
                found = true;
                place.insertAt = line.next;
            }
        } else if (found && line.kind == IniLine::Kind::Entry) {
            place.insertAt = line.next;
            if (!place.hasKey && SameIniName(line.name, key, lead_)) {
                place.hasKey = true;
                place.keyValueAt = line.valueAt;
                place.keyEnd = line.end;
                place.keyHasValue = line.hasValue;
                place.keyValue = line.value;
            }
        }
    }
    return found;
}

void IniEditor::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    value = TrimLeadingIniBlanks(value);
    Place place;
    if (!FindForWrite(section, key, place)) {
        AppendSection(section, std::string(TrimLeadingIniBlanks(key)) + '=' + std::string(value) + LineEnd());
        return;
    }
    if (!place.hasKey) {
        InsertLines(place.insertAt,
                    std::string(TrimLeadingIniBlanks(key)) + '=' + std::string(value) + LineEnd());
        return;
    }
    if (place.keyHasValue) {
        // The same value written again leaves the line as the user wrote it.
        if (place.keyValue == value)
            return;
        text_.replace(place.keyValueAt, place.keyEnd - place.keyValueAt, value);
    } else {
        text_.replace(place.keyValueAt, place.keyEnd - place.keyValueAt, "=" + std::string(value));
    }
}

void IniEditor::RemoveKey(std::string_view section, std::string_view key)
{
    IniLineReader reader(text_, lead_);
    IniLine line;
    bool inSection = SameIniName(section, "", lead_);
    while (reader.Next(line)) {
        if (line.kind == IniLine::Kind::Section) {
            inSection = SameIniName(line.name, section, lead_);
        } else if (inSection && line.kind == IniLine::Kind::Entry &&
                   SameIniName(line.name, key, lead_)) {
            text_.erase(line.begin, EraseUpTo(line.begin, line.end, line.next) - line.begin);
            return;
        }
    }
}

void IniEditor::RemoveSection(std::string_view section)
{
    IniLineReader reader(text_, lead_);
    IniLine line;
    const bool leading = SameIniName(section, "", lead_);
    std::size_t begin = leading ? IniLineReader::BodyStart(text_) : std::string::npos;
    while (reader.Next(line)) {
        if (line.kind != IniLine::Kind::Section)
            continue;
        if (begin != std::string::npos) {
            text_.erase(begin, line.begin - begin);
            return;
        }
        if (SameIniName(line.name, section, lead_))
            begin = line.begin;
    }
    if (begin != std::string::npos)
        text_.erase(begin);
}

void IniEditor::ReplaceSection(std::string_view section, const Entries& entries)
{
    // Every line of every section of that name goes, except headers and blank lines.
    std::string kept;
    kept.reserve(text_.size());
    {
        IniLineReader reader(text_, lead_);
        IniLine line;
        bool inSection = SameIniName(section, "", lead_);
        std::size_t copied = 0;
        while (reader.Next(line)) {
            if (line.kind == IniLine::Kind::Section)
                inSection = SameIniName(line.name, section, lead_);
            else if (inSection && line.kind == IniLine::Kind::Entry) {
                kept.append(text_, copied, line.begin - copied);
                copied = line.next;
            }
        }
        kept.append(text_, copied, std::string::npos);
    }
    text_.swap(kept);
    if (entries.empty())
        return;

    const std::string lineEnd = LineEnd();
    std::string lines;
    for (const auto& [key, value] : entries) {
        lines += TrimLeadingIniBlanks(key);
        lines += '=';
        lines += TrimLeadingIniBlanks(value);
        lines += lineEnd;
    }
    Place place;
    if (FindForWrite(section, std::string_view(), place))
        InsertLines(place.insertAt, lines);
    else
        AppendSection(section, lines);
}

}  // namespace quorbel
