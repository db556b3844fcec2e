#include "config/IniLineReader.h"

#include "config/IniName.h"

namespace quorbel {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

}  // namespace

IniLineReader::IniLineReader(std::string_view text, const LeadByteTable& lead)
    : text_(text), lead_(lead), position_(BodyStart(text))
{
}

std::size_t IniLineReader::BodyStart(std::string_view text)
{
    return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
}

bool IniLineReader::Next(IniLine& line)
{
    if (position_ >= text_.size())
        return false;
    line = IniLine{};
    line.begin = position_;
    std::size_t end = position_;
    while (end < text_.size() && !IsLineEnd(text_[end]))
        ++end;
    line.end = end;
    std::size_t next = end;
    if (next < text_.size()) {
        if (text_[next] == '\r' && next + 1 < text_.size() && text_[next + 1] == '\n')
            ++next;
        ++next;
    }
    line.next = next;
    position_ = next;
    Classify(line);
    return true;
}

void IniLineReader::Classify(IniLine& line) const
{
    const std::string_view raw = text_.substr(line.begin, line.end - line.begin);
    const std::string_view content = TrimIniBlanks(raw);
    if (content.empty()) {
        line.kind = IniLine::Kind::Blank;
        return;
    }
    const std::size_t contentAt = line.begin + static_cast<std::size_t>(content.data() - raw.data());

    if (content.front() == '[') {
        // The name runs to the last "]" of the line; in code page 932 a trail byte can
        // be "]", so the search steps over double-byte characters.
        const std::size_t close = FindLastChar(content, ']', lead_);
        if (close != std::string_view::npos) {
            line.kind = IniLine::Kind::Section;
            line.name = UpToNul(TrimIniBlanks(content.substr(1, close - 1)));
            return;
        }
    }

    line.kind = IniLine::Kind::Entry;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.name = UpToNul(content);
        line.valueAt = contentAt + content.size();
        return;
    }
    line.hasValue = true;
    line.name = UpToNul(TrimIniBlanks(content.substr(0, equals)));
    const std::string_view value = TrimLeadingIniBlanks(content.substr(equals + 1));
    line.valueAt = contentAt + static_cast<std::size_t>(value.data() - content.data());
    line.value = UpToNul(value);
}

}  // namespace quorbel
