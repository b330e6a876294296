// The edited list: a report list view with a row per slot the category box shows, the occupied
// mark as its state image, and the sort order in its header. The rows live in the core; the list
// asks for their texts as it draws them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>

namespace kavrin {
struct Session;
}

namespace kavrin::win32 {

class EditedList {
public:
    explicit EditedList(Session& session) : session_(session) {}

    HWND create(HWND parent, HINSTANCE instance, HFONT font);
    HWND handle() const { return list_; }

    // The core's rows were replaced or reordered: shows them all, with the core's selection.
    void rebuild();
    void rowChanged(size_t row);
    // Selects the row (none when negative) and scrolls it into view.
    void selectRow(int row);
    void setRedraw(bool on);

    // The row under a point of the screen, or -1 for none.
    int rowAt(POINT screen) const;

    // Notifications the main window passes on.
    void fillDisplayInfo(NMLVDISPINFOW& info) const;
    // True when the user changed the selection, false when the list follows the core.
    bool selectionChanged();

private:
    void showSortOrder();
    void fitColumns();

    Session& session_;
    HWND list_ = nullptr;
    bool followingCore_ = false;  // the list is being told the core's selection
};

}  // namespace kavrin::win32
