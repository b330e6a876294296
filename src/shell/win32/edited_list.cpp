#include "shell/win32/edited_list.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "editing/rows.h"
#include "editing/session.h"
#include "framework/shown_text.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/resource_ids.h"

namespace kavrin::win32 {

namespace {

enum Column { MARK, ID, NAME, FILE, LABEL };

void addColumn(HWND list, int column, const wchar_t* header, int format) {
    LVCOLUMNW data{};
    data.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    data.fmt = format;
    data.pszText = const_cast<wchar_t*>(header);
    data.iSubItem = column;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&data));
}

}  // namespace

HWND EditedList::create(HWND parent, HINSTANCE instance, HFONT font) {
    // The rows are the core's: the list holds none of its own (owner data) and asks for texts.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                  LVS_SHOWSELALWAYS | LVS_OWNERDATA;
    list_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"kavrin_edit_list", style, 0, 0, 100, 100,
                        parent, reinterpret_cast<HMENU>(ID_EDITED_LIST), instance, nullptr);
    if (!list_) return nullptr;
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ListView_SetExtendedListViewStyle(list_,
                                      LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER);

    // State image 1, the occupied mark.
    HIMAGELIST marks = ImageList_Create(12, 12, ILC_COLOR32 | ILC_MASK, 1, 0);
    auto mark = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_OCCUPIED), IMAGE_ICON, 12, 12, 0));
    ImageList_AddIcon(marks, mark);
    DestroyIcon(mark);
    ListView_SetImageList(list_, marks, LVSIL_STATE);
    ListView_SetCallbackMask(list_, LVIS_STATEIMAGEMASK);

    addColumn(list_, MARK, L"", LVCFMT_LEFT);
    addColumn(list_, ID, L"ID", LVCFMT_RIGHT);
    addColumn(list_, NAME, L"Name", LVCFMT_LEFT);
    addColumn(list_, FILE, L"File", LVCFMT_LEFT);
    addColumn(list_, LABEL, L"Label", LVCFMT_LEFT);
    rebuild();
    fitColumns();
    ListView_SetColumnWidth(list_, FILE, 100);
    ListView_SetColumnWidth(list_, LABEL, 200);
    return list_;
}

// The mark, ID and Name columns fit their headers and every row; the list holds no texts of its
// own for the control to measure.
void EditedList::fitColumns() {
    constexpr int MARGIN = 16;  // the control's room around a text
    int widths[] = {12 + MARGIN, ListView_GetStringWidth(list_, L"ID") + MARGIN,
                    ListView_GetStringWidth(list_, L"Name") + MARGIN};
    for (uint32_t slot : session_.edited.rows) {
        RowTexts texts = rowTexts(session_, slot);
        widths[ID] = std::max(
            widths[ID],
            ListView_GetStringWidth(list_, widen(alignedNumberText(texts.id)).c_str()) + MARGIN);
        widths[NAME] = std::max(widths[NAME],
                                ListView_GetStringWidth(list_, widen(texts.name).c_str()) + MARGIN);
    }
    for (int column : {MARK, ID, NAME})
        ListView_SetColumnWidth(list_, column, widths[column]);
}

void EditedList::rebuild() {
    followingCore_ = true;
    ListView_SetItemCountEx(list_, static_cast<int>(session_.edited.rows.size()),
                            LVSICF_NOINVALIDATEALL);
    InvalidateRect(list_, nullptr, TRUE);
    selectRow(session_.edited.selectedRow);
    followingCore_ = false;
    showSortOrder();
}

void EditedList::rowChanged(size_t row) {
    ListView_RedrawItems(list_, static_cast<int>(row), static_cast<int>(row));
}

void EditedList::selectRow(int row) {
    bool following = followingCore_;
    followingCore_ = true;
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0) {
        ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list_, row, FALSE);
    }
    followingCore_ = following;
}

void EditedList::setRedraw(bool on) {
    SendMessageW(list_, WM_SETREDRAW, on, 0);
    if (on) InvalidateRect(list_, nullptr, TRUE);
}

int EditedList::rowAt(POINT screen) const {
    LVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(list_, &hit.pt);
    return ListView_HitTest(list_, &hit);
}

void EditedList::fillDisplayInfo(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= session_.edited.rows.size()) return;
    RowTexts texts = rowTexts(session_, session_.edited.rows[static_cast<size_t>(item.iItem)]);
    if (item.mask & LVIF_STATE) {
        item.state = INDEXTOSTATEIMAGEMASK(texts.occupied ? 1 : 0);
        item.stateMask = LVIS_STATEIMAGEMASK;
    }
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    texts.id = alignedNumberText(texts.id);
    const std::string* shown[] = {nullptr, &texts.id, &texts.name, &texts.file, &texts.label};
    std::wstring text =
        item.iSubItem > MARK && item.iSubItem <= LABEL ? widen(*shown[item.iSubItem]) : L"";
    wcsncpy(item.pszText, text.c_str(), static_cast<size_t>(item.cchTextMax) - 1);
    item.pszText[item.cchTextMax - 1] = L'\0';
}

bool EditedList::selectionChanged() {
    if (followingCore_) return false;
    session_.edited.selectedRow = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    return true;
}

void EditedList::showSortOrder() {
    HWND header = ListView_GetHeader(list_);
    int sorted = std::abs(session_.edited.sortCode) - 1;
    for (int column = MARK; column <= LABEL; ++column) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, column, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (column == sorted) item.fmt |= session_.edited.sortCode < 0 ? HDF_SORTDOWN : HDF_SORTUP;
        Header_SetItem(header, column, &item);
    }
}

}  // namespace kavrin::win32
