#include "menus/EntryText.h"

namespace quorbel {

std::string EntryLabel(std::string_view entry, const LeadByteTable& lead)
{
    return TextBeforeFirst(entry, '|', lead);
}

std::string EntryMenuPath(std::string_view entry, const LeadByteTable& lead)
{
    return TextAfterLast(entry, '|', lead);
}

std::string EntryEditPath(std::string_view entry, const LeadByteTable& lead)
{
    return TextAfterFirst(entry, '|', lead);
}

std::string FolderName(std::string_view path, const LeadByteTable& lead)
{
    return TextAfterLast(path, '\\', lead);
}

}  // namespace quorbel
