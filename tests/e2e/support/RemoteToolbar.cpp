#include "tests/e2e/support/RemoteToolbar.h"

#include <commctrl.h>

#include <vector>

#include "framework/Handles.h"
#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

namespace {

// A block of memory in another process, freed when the object goes.
class RemoteBuffer {
public:
    RemoteBuffer(DWORD processId, SIZE_T size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId))
    {
        if (process_)
            address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void* Address() const { return address_; }

    template <class T>
    std::optional<T> Read() const
    {
        T value{};
        SIZE_T read = 0;
        if (!address_ || !ReadProcessMemory(process_.get(), address_, &value, sizeof value, &read) ||
            read != sizeof value)
            return std::nullopt;
        return value;
    }

private:
    fw::KernelObject process_;
    void* address_ = nullptr;
};

}  // namespace

HWND FindToolbar(HWND window)
{
    const std::vector<HWND> toolbars = DescendantsOfClass(window, TOOLBARCLASSNAMEA);
    return toolbars.empty() ? nullptr : toolbars.front();
}

int ToolbarButtonCount(HWND toolbar)
{
    return static_cast<int>(SendWithTimeout(toolbar, TB_BUTTONCOUNT).value_or(-1));
}

std::optional<int> ToolbarButtonImage(HWND toolbar, int commandId)
{
    const std::optional<LRESULT> image = SendWithTimeout(toolbar, TB_GETBITMAP, static_cast<WPARAM>(commandId));
    if (!image)
        return std::nullopt;
    return static_cast<int>(*image);
}

std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index)
{
    const RemoteBuffer buffer(ProcessIdOf(toolbar), sizeof(RECT));
    if (!buffer.Address())
        return std::nullopt;
    const std::optional<LRESULT> ok = SendWithTimeout(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                                                      reinterpret_cast<LPARAM>(buffer.Address()));
    if (!ok || !*ok)
        return std::nullopt;
    std::optional<RECT> rect = buffer.Read<RECT>();
    if (rect)
        MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&*rect), 2);
    return rect;
}

}  // namespace quorbel::e2e
