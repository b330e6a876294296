// The Windows main window over the real Level Editor files: commands, keys, notifications and
// drops sent to the window as the system sends them, and the controls read back.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/session.h"
#include "editing/start_up.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/main_window.h"
#include "shell/win32/resource_ids.h"
#include "support/recording_ui.h"
#include "support/test_data.h"

namespace kavrin::win32 {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        trle = test::realTrleDirectory();
        KAVRIN_REQUIRE_DATA(trle);
        recording.answerFor(session.ui.port);
        ASSERT_TRUE(startSession(session, &trle));
        HINSTANCE instance = GetModuleHandleW(nullptr);
        ASSERT_TRUE(registerMainWindowClass(instance));
        window = createMainWindow(session, instance);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window) DestroyWindow(window);
        setCurrentDirectory(before);
    }

    HWND control(int id) const { return GetDlgItem(window, id); }
    void command(int id) { SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void loadReference(const std::string& relative, uint32_t filter) {
        recording.fileChoices.push_back(FileChoice{trle + "/" + relative, filter});
        command(CMD_LOAD_REFERENCE);
    }
    std::vector<std::string> treeTexts(HTREEITEM parent = TVI_ROOT) const {
        std::vector<std::string> texts;
        HWND tree = control(ID_REFERENCE_TREE);
        HTREEITEM item =
            parent == TVI_ROOT ? TreeView_GetRoot(tree) : TreeView_GetChild(tree, parent);
        for (; item; item = TreeView_GetNextSibling(tree, item)) {
            wchar_t text[256] = {};
            TVITEMW data{};
            data.mask = TVIF_TEXT;
            data.hItem = item;
            data.pszText = text;
            data.cchTextMax = 256;
            TreeView_GetItem(tree, &data);
            texts.push_back(narrow(text));
        }
        return texts;
    }
    std::string cell(int row, int column) const {
        wchar_t text[256] = {};
        ListView_GetItemText(control(ID_EDITED_LIST), row, column, text, 256);
        return narrow(text);
    }
    bool occupied(int row) const {
        return ListView_GetItemState(control(ID_EDITED_LIST), row, LVIS_STATEIMAGEMASK) ==
               INDEXTOSTATEIMAGEMASK(1);
    }
    bool greyed(int command) const {
        SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
        return GetMenuState(GetMenu(window), static_cast<UINT>(command), MF_BYCOMMAND) & MF_GRAYED;
    }
    std::string statusText() {
        SendMessageW(window, WM_TIMER, 1, 0);  // the budget's pending count
        wchar_t text[512] = {};
        SendMessageW(control(ID_STATUS_STRIP), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return narrow(text);
    }
    void key(int id, WPARAM key) { SendMessageW(control(id), WM_KEYDOWN, key, 0); }

    std::string before = currentDirectory();
    std::string trle;
    test::RecordingUi recording;
    Session session;
    HWND window = nullptr;
};

TEST_F(MainWindowTest, OpensUntitledWithTheControlsAndMenusOfTheProgram) {
    wchar_t title[128] = {};
    GetWindowTextW(window, title, 128);
    EXPECT_EQ(narrow(title), "[untitled] - Kavrin v2.00");

    HMENU bar = GetMenu(window);
    std::vector<std::string> menus;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        menus.push_back(narrow(text));
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Script", "&Utilities", "&Texture",
                                               "&Options", "&Help"}));
    EXPECT_TRUE(GetMenuState(bar, CMD_CONFIRM_DELETIONS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(greyed(CMD_SAVE_WAD) && greyed(CMD_SAVE_WAD_AS) && greyed(CMD_SAVE_SCRIPT));
    EXPECT_FALSE(greyed(CMD_CHECK_WAD));

    EXPECT_EQ(ListView_GetItemCount(control(ID_EDITED_LIST)), 525);
    EXPECT_EQ(cell(0, 2), "LARA");
    EXPECT_FALSE(occupied(0));
    EXPECT_EQ(SendMessageW(control(ID_CATEGORY_BOX), CB_GETCOUNT, 0, 0), 21);
    EXPECT_EQ(statusText().rfind("Slots 0/525", 0), 0u);
}

TEST_F(MainWindowTest, FilterEnterDeleteKeyAndSortReachTheCore) {
    loadReference("graphics/wads/tut1.WAS", 1);
    loadReference("data/title.tr4", 2);
    EXPECT_EQ(recording.fileRequests.at(0).type, uint32_t(FILE_REFERENCE));
    ASSERT_EQ(treeTexts(), (std::vector<std::string>{"title.tr4", "tut1.WAS"}));
    EXPECT_EQ(treeTexts(TreeView_GetRoot(control(ID_REFERENCE_TREE))).size(), 72u);

    // Only the matches stay; Enter in the field adds the first of them.
    SetWindowTextW(control(ID_FILTER_FIELD), L"revolver");
    EXPECT_EQ(treeTexts(), (std::vector<std::string>{"tut1.WAS"}));
    EXPECT_EQ(treeTexts(TreeView_GetRoot(control(ID_REFERENCE_TREE))),
              (std::vector<std::string>{"M\xE2\x80\x87"
                                        "12 LARA_REVOLVER_LASER"}));
    key(ID_FILTER_FIELD, VK_RETURN);
    EXPECT_TRUE(occupied(12));
    EXPECT_EQ(cell(12, 3), "tut1.WAS");
    EXPECT_FALSE(greyed(CMD_SAVE_WAD));
    EXPECT_EQ(statusText().rfind("Slots 1/525", 0), 0u);

    // Delete on the list asks first; No keeps the object.
    recording.answers = {Button::No};
    key(ID_EDITED_LIST, VK_DELETE);
    EXPECT_TRUE(occupied(12));
    recording.answers = {Button::Yes};
    key(ID_EDITED_LIST, VK_DELETE);
    EXPECT_FALSE(occupied(12));

    // A second click on the sorting column reverses the rows.
    NMLISTVIEW click{};
    click.hdr = {control(ID_EDITED_LIST), ID_EDITED_LIST, LVN_COLUMNCLICK};
    click.iSubItem = 2;
    SendMessageW(window, WM_NOTIFY, ID_EDITED_LIST, reinterpret_cast<LPARAM>(&click));
    SendMessageW(window, WM_NOTIFY, ID_EDITED_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(session.edited.sortCode, -3);
    EXPECT_GT(cell(0, 2), cell(1, 2));
}

TEST_F(MainWindowTest, FilesDroppedFromExplorerLoadAsReferences) {
    std::wstring paths = widen(trle + "/graphics/wads/tut1.WAS") + L'\0' +
                         widen(trle + "/graphics/wads/tut1.WAD") + L'\0' + L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + paths.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, paths.data(), paths.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(treeTexts(), (std::vector<std::string>{"tut1.WAS"}));  // the .WAD is not loaded
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedChangesAndCancelKeepsTheWindow) {
    loadReference("graphics/wads/tut1.WAS", 1);
    SetWindowTextW(control(ID_FILTER_FIELD), L"revolver");
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_ADD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(ID_ADD)));
    ASSERT_TRUE(session.edited.dirty);
    recording.answers = {Button::Cancel};
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(recording.messages.size(), 1u);
}

}  // namespace
}  // namespace kavrin::win32
