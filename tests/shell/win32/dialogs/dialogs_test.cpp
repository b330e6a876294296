// The Windows dialogs as the user meets them: each test opens the real dialog and plays the user
// from a timer that runs inside the dialog's own message loop.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "framework/choose_file.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "shell/win32/dialogs/about_box.h"
#include "shell/win32/dialogs/dialog_ids.h"
#include "shell/win32/dialogs/extraction_panel.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/dialogs/windows_ui.h"
#include "support/test_data.h"

namespace kavrin::win32 {
namespace {

// Calls `step` every 50 ms while alive, until it returns true.
class User {
public:
    explicit User(std::function<bool()> step) {
        step_ = std::move(step);
        timer_ = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            if (step_ && step_()) step_ = nullptr;
        });
    }
    ~User() {
        KillTimer(nullptr, timer_);
        step_ = nullptr;
    }
    User(const User&) = delete;
    User& operator=(const User&) = delete;

private:
    static inline std::function<bool()> step_;
    UINT_PTR timer_;
};

HWND dialogTitled(const char* title) {
    return FindWindowW(L"#32770", widen(title).c_str());
}

POINT centreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The dialog's descendant with the control id (the extraction panel is a dialog inside a dialog).
HWND descendant(HWND dialog, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM data) {
            auto& [wanted, found] = *reinterpret_cast<std::pair<int, HWND>*>(data);
            if (GetDlgCtrlID(child) != wanted) return TRUE;
            found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

class WindowsDialogs : public testing::Test {
protected:
    // One owner for every case: without a window manager, Wine takes seconds to close a window.
    static void SetUpTestSuite() {
        owner_ = CreateWindowExW(0, L"STATIC", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 80,
                                 640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    void SetUp() override {
        ASSERT_NE(owner_, nullptr);
        backend_.setMainWindow(owner_);
    }

    static inline HWND owner_ = nullptr;
    Ui ui_;
    WindowsUi backend_{ui_, GetModuleHandleW(nullptr)};
};

TEST_F(WindowsDialogs, MessageBoxIsCentredOverItsOwnerAndGivesTheButtonPressed) {
    std::string text;
    POINT boxCentre{};
    User user([&] {
        HWND box = dialogTitled("Confirm Object Delete");
        if (!box) return false;
        text = windowText(GetDlgItem(box, 0xFFFF));
        boxCentre = centreOf(box);
        PostMessageW(box, WM_COMMAND, IDNO, 0);
        return true;
    });
    Button answer = showMessage(ui_, MessageStyle::QuestionYesNoCancel, "Confirm Object Delete",
                                "Delete %s from slot %d?", "LARA", 0);
    EXPECT_EQ(answer, Button::No);
    EXPECT_EQ(text, "Delete LARA from slot 0?");
    EXPECT_NEAR(boxCentre.x, centreOf(owner_).x, 1);
    EXPECT_NEAR(boxCentre.y, centreOf(owner_).y, 1);
}

TEST_F(WindowsDialogs, ProgressDialogShowsTheCoreProgress) {
    progressBegin(ui_, "Loading WAD", 0, 10, 1, "Reading %s", "TUT1.WAD");
    progressSet(ui_, 7, "Converting meshes");
    HWND dialog = backend_.progressWindow();
    ASSERT_NE(dialog, nullptr);
    HWND bar = GetDlgItem(dialog, IDC_PROGRESS_BAR);
    PBRANGE range{};
    SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(windowText(dialog), "Loading WAD");
    EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_PROGRESS_TEXT)), "Converting meshes");
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 10);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 7);
    progressEnd(ui_);
    EXPECT_FALSE(IsWindowVisible(dialog));
}

TEST_F(WindowsDialogs, ExtractionPanelFollowsTheFileTypeAndKeepsItsSettings) {
    ExtractionSettings settings;
    FileDialogRequest request{false, "Extract Texture From File", FILE_TEXTURE_SOURCE, true, true};
    std::vector<std::string> problems;
    auto expectShown = [&](HWND dialog, std::initializer_list<int> ids, bool shown) {
        for (int id : ids) {
            if (IsWindowVisible(descendant(dialog, id)) != shown) {
                problems.push_back(std::to_string(id) + (shown ? " hidden" : " shown"));
            }
        }
    };
    User user([&] {
        HWND dialog = dialogTitled("Extract Texture From File");
        if (!dialog || !descendant(dialog, IDC_OUTPUT_TYPE)) return false;
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDOK)), "Extract");
        expectShown(dialog, {IDC_LEVEL_16BIT, IDC_LEVEL_32BIT, IDC_LEVEL_MISC}, true);
        expectShown(dialog, {IDC_WIDTH, IDC_NO_INPUT_OPTIONS, IDC_RLE, IDC_BUMP_MAP}, false);
        // The user picks "Raw Image (*.raw)" in the dialog's file type box...
        HWND types = GetDlgItem(dialog, cmb1);
        SendMessageW(types, CB_SETCURSEL, 2, 0);
        for (WORD notice : {CBN_SELCHANGE, CBN_SELENDOK}) {  // as the box tells a mouse choice
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, notice),
                         reinterpret_cast<LPARAM>(types));
        }
        expectShown(
            dialog,
            {IDC_WIDTH, IDC_HEIGHT_SPIN, IDC_BYTE_ORDER, IDC_INPUT_TRANSPARENT, IDC_INPUT_COLOUR},
            true);
        expectShown(dialog,
                    {IDC_LEVEL_16BIT, IDC_WAD_ROOM, IDC_NO_INPUT_OPTIONS, IDC_OUTPUT_TRANSPARENT,
                     IDC_OUTPUT_COLOUR},
                    false);
        // ... and "Truevision Targa (.tga)" as the output, which offers RLE compression.
        HWND output = descendant(dialog, IDC_OUTPUT_TYPE);
        SendMessageW(output, CB_SETCURSEL, OUTPUT_TARGA, 0);
        SendMessageW(GetParent(output), WM_COMMAND, MAKEWPARAM(IDC_OUTPUT_TYPE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(output));
        expectShown(dialog, {IDC_RLE}, true);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    runExtractionDialog(owner_, GetModuleHandleW(nullptr), request, ui_, settings);
    EXPECT_EQ(problems, std::vector<std::string>{});
    EXPECT_EQ(settings.inputType, INPUT_RAW_IMAGE);
    EXPECT_EQ(settings.outputType, OUTPUT_TARGA);
    EXPECT_FALSE(settings.outputDirectory.empty());
}

// Selects the sibling of the browser's current folder that has the name, as a click would.
bool selectSibling(HWND browser, const wchar_t* name) {
    HWND tree = FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
    auto next = [tree](UINT relation, HTREEITEM item) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM item = next(TVGN_CHILD, next(TVGN_PARENT, next(TVGN_CARET, nullptr))); item;
         item = next(TVGN_NEXT, item)) {
        wchar_t text[MAX_PATH] = {};
        TVITEMW look{TVIF_TEXT, item, 0, 0, text, MAX_PATH, 0, 0, 0, 0};
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&look));
        if (std::wstring(text) == name) {
            return SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        }
    }
    return false;
}

TEST_F(WindowsDialogs, FolderBrowserStartsInTheFolderAndOffersOkOnlyWhereTheFileIs) {
    // Folders on drive C, which the browser's tree always shows (it hides hidden folders, such as
    // the temporary folder, and may not reach into folders of the Unix side).
    std::string withSet = "C:\\kavrin-browse\\browse-with-set";
    std::string withoutSet = "C:\\kavrin-browse\\browse-without-set";
    std::filesystem::create_directories(withSet);
    std::filesystem::create_directories(withoutSet);
    std::ofstream(withSet + "\\tut1.WAS") << "";
    FileRecord record;
    record.type = FILE_WAS;
    record.name = "tut1";
    record.directory = withoutSet;
    std::vector<bool> okOffered;
    int ticks = 0;
    User user([&] {
        HWND browser = GetActiveWindow();
        HWND ok = browser && browser != owner_ ? GetDlgItem(browser, IDOK) : nullptr;
        // The browser may still be on its way to the start folder.
        if (!ok || ++ticks < 20) return false;
        okOffered.push_back(IsWindowEnabled(ok));
        bool selected = selectSibling(browser, L"browse-with-set");
        okOffered.push_back(IsWindowEnabled(ok));
        PostMessageW(browser, WM_COMMAND, selected && okOffered.back() ? IDOK : IDCANCEL, 0);
        return true;
    });
    EXPECT_TRUE(browseForFolder(ui_, record, true, "Where is the set?"));
    EXPECT_EQ(okOffered, (std::vector<bool>{false, true}));
    EXPECT_EQ(record.directory, withSet);
}

TEST_F(WindowsDialogs, AboutBoxNamesTheProgramAndClosesOnOk) {
    std::string title, version;
    User user([&] {
        HWND about = GetActiveWindow();
        if (!about || about == owner_) return false;
        title = windowText(about);
        version = windowText(GetDlgItem(about, IDC_ABOUT_VERSION));
        PostMessageW(about, WM_COMMAND, IDOK, 0);
        return true;
    });
    showAboutBox(owner_);
    EXPECT_EQ(title, "About Kavrin");
    EXPECT_EQ(version, "Kavrin Version 2.00");
}

}  // namespace
}  // namespace kavrin::win32
