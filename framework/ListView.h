#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace fw {

// A borrowed report-view list control of a dialog: the few operations the program's
// dialogs need, with data text in the system code page.
class ListView {
public:
    ListView() = default;
    explicit ListView(HWND control) : control_(control) {}

    HWND hwnd() const { return control_; }

    void InsertColumn(int index, const wchar_t* header, int width);
    int Count() const;
    // The first selected row from the top, or -1.
    int Selected() const;
    int InsertRow(int index, const std::string& text);
    void SetText(int row, int column, const std::string& text);
    std::string Text(int row, int column) const;
    void DeleteRow(int row);
    // Gives `row` the selected and focused state (and takes it from every other row).
    void Select(int row);

private:
    HWND control_ = nullptr;
};

}  // namespace fw
