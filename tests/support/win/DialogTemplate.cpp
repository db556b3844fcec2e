#include "tests/support/win/DialogTemplate.h"

namespace quorbel::test {

namespace {

class Reader {
public:
    Reader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    std::size_t Position() const { return at_; }

    template <class T>
    T Read()
    {
        T value{};
        if (at_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        memcpy(&value, data_ + at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }

    std::wstring String()
    {
        std::wstring text;
        for (;;) {
            const wchar_t c = Read<wchar_t>();
            if (!ok_ || c == 0)
                return text;
            text += c;
        }
    }

    // A string, or 0xFFFF followed by an ordinal.
    std::wstring StringOrOrdinal(int* ordinal = nullptr)
    {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            const WORD value = Read<WORD>();
            if (ordinal)
                *ordinal = value;
            return std::wstring();
        }
        if (first == 0)
            return std::wstring();
        std::wstring text(1, static_cast<wchar_t>(first));
        return text + String();
    }

    void AlignTo(std::size_t boundary) { at_ = (at_ + boundary - 1) / boundary * boundary; }
    void Skip(std::size_t bytes) { at_ += bytes; }

private:
    const BYTE* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::wstring AtomClassName(int atom)
{
    switch (atom) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"#" + std::to_wstring(atom);
    }
}

}  // namespace

const DialogItem* DialogTemplate::Find(int id) const
{
    for (const DialogItem& item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

const DialogItem* DialogTemplate::FindText(const std::wstring& text) const
{
    for (const DialogItem& item : items)
        if (item.text == text)
            return &item;
    return nullptr;
}

bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate& out)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    const auto* data = static_cast<const BYTE*>(LockResource(loaded));
    if (!data)
        return false;
    Reader r(data, SizeofResource(module, found));

    if (r.Read<WORD>() != 1 || r.Read<WORD>() != 0xFFFF)
        return false;
    r.Read<DWORD>();  // help id
    out.exStyle = r.Read<DWORD>();
    out.style = r.Read<DWORD>();
    const WORD count = r.Read<WORD>();
    out.x = r.Read<short>();
    out.y = r.Read<short>();
    out.cx = r.Read<short>();
    out.cy = r.Read<short>();
    r.StringOrOrdinal();  // menu
    r.StringOrOrdinal();  // class
    out.title = r.String();
    if (out.style & DS_SETFONT) {
        out.fontSize = r.Read<WORD>();
        r.Read<WORD>();  // weight
        r.Read<BYTE>();  // italic
        r.Read<BYTE>();  // charset
        out.fontName = r.String();
    }
    for (WORD i = 0; i < count && r.ok(); ++i) {
        r.AlignTo(4);
        DialogItem item;
        r.Read<DWORD>();  // help id
        item.exStyle = r.Read<DWORD>();
        item.style = r.Read<DWORD>();
        item.x = r.Read<short>();
        item.y = r.Read<short>();
        item.cx = r.Read<short>();
        item.cy = r.Read<short>();
        item.id = static_cast<int>(r.Read<DWORD>());
        int atom = 0;
        item.className = r.StringOrOrdinal(&atom);
        if (item.className.empty())
            item.className = AtomClassName(atom);
        int ordinal = 0;
        item.text = r.StringOrOrdinal(&ordinal);
        if (item.text.empty() && ordinal)
            item.text = L"#" + std::to_wstring(ordinal);
        r.Skip(r.Read<WORD>());  // creation data
        out.items.push_back(item);
    }
    return r.ok();
}

}  // namespace quorbel::test
