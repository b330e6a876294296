#include "shell/win32/dialogs/extraction_panel.h"

#include <commctrl.h>

#include <initializer_list>

#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/colour_chooser.h"
#include "shell/win32/dialogs/combo_boxes.h"
#include "shell/win32/dialogs/dialog_ids.h"
#include "shell/win32/dialogs/file_dialog.h"
#include "shell/win32/dialogs/wide_text.h"
#include "texture/extract_command.h"

namespace kavrin::win32 {

namespace {

// What the hook needs, reached from the panel through its user data.
struct Panel {
    Ui& ui;
    ExtractionSettings& settings;
};

Panel& panelOf(HWND panel) {
    return *reinterpret_cast<Panel*>(GetWindowLongPtrW(panel, GWLP_USERDATA));
}

void showControls(HWND panel, std::initializer_list<int> ids, bool shown) {
    for (int id : ids)
        ShowWindow(GetDlgItem(panel, id), shown ? SW_SHOW : SW_HIDE);
}

// Shows the rows that the settings' input and output types call for. The output side's own
// transparency is never offered.
void showRows(HWND panel, const ExtractionSettings& settings) {
    ExtractionPanelRows rows = extractionPanelRows(settings.inputType, settings.outputType);
    showControls(panel, {IDC_LEVEL_LABEL, IDC_LEVEL_16BIT, IDC_LEVEL_32BIT, IDC_LEVEL_MISC},
                 rows.level);
    showControls(panel, {IDC_WAD_LABEL, IDC_WAD_ROOM, IDC_WAD_OBJECT}, rows.objectWad);
    showControls(panel,
                 {IDC_WIDTH_LABEL, IDC_WIDTH, IDC_WIDTH_SPIN, IDC_HEIGHT_LABEL, IDC_HEIGHT,
                  IDC_HEIGHT_SPIN, IDC_BYTE_ORDER, IDC_BYTE_ORDER_LABEL},
                 rows.rawImage);
    showControls(panel, {IDC_NO_INPUT_OPTIONS}, rows.noInputOptions);
    showControls(panel, {IDC_INPUT_TRANSPARENT, IDC_INPUT_COLOUR}, rows.inputTransparency);
    showControls(panel, {IDC_RLE}, rows.rleCompression);
    showControls(panel, {IDC_OUTPUT_TRANSPARENT, IDC_OUTPUT_COLOUR}, false);
    showControls(panel, {IDC_BUMP_MAP}, rows.bumpMap);
}

void setUpSpinner(HWND panel, int spinner, int edit) {
    HWND spin = GetDlgItem(panel, spinner);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(panel, edit)), 0);
    SendMessageW(spin, UDM_SETRANGE32, RAW_SIZE_MIN, RAW_SIZE_MAX);
    SendMessageW(spin, UDM_SETPOS32, 0, RAW_SIZE_MIN);
}

bool checked(HWND panel, int id) {
    return IsDlgButtonChecked(panel, id) == BST_CHECKED;
}

void check(HWND panel, int id, bool on) {
    CheckDlgButton(panel, id, on ? BST_CHECKED : BST_UNCHECKED);
}

uint32_t spinnerValue(HWND panel, int spinner) {
    BOOL failed = FALSE;
    auto value = static_cast<int>(SendMessageW(GetDlgItem(panel, spinner), UDM_GETPOS32, 0,
                                               reinterpret_cast<LPARAM>(&failed)));
    return static_cast<uint32_t>(failed ? RAW_SIZE_MIN : value);
}

ExtractionChoices choicesOf(HWND panel) {
    ExtractionChoices choices;
    choices.pages16 = checked(panel, IDC_LEVEL_16BIT);
    choices.pages32 = checked(panel, IDC_LEVEL_32BIT);
    choices.miscPages = checked(panel, IDC_LEVEL_MISC);
    choices.roomTextures = checked(panel, IDC_WAD_ROOM);
    choices.objectTextures = checked(panel, IDC_WAD_OBJECT);
    choices.rawWidth = spinnerValue(panel, IDC_WIDTH_SPIN);
    choices.rawHeight = spinnerValue(panel, IDC_HEIGHT_SPIN);
    choices.inputTransparent = checked(panel, IDC_INPUT_TRANSPARENT);
    choices.rleCompression = checked(panel, IDC_RLE);
    choices.bumpMap = checked(panel, IDC_BUMP_MAP);
    return choices;
}

// Every opening starts from the same boxes and sizes; the rest comes from the settings.
void initialisePanel(HWND panel, const ExtractionSettings& settings) {
    SendMessageW(GetParent(panel), CDM_SETCONTROLTEXT, IDOK, reinterpret_cast<LPARAM>(L"Extract"));
    setUpSpinner(panel, IDC_HEIGHT_SPIN, IDC_HEIGHT);
    setUpSpinner(panel, IDC_WIDTH_SPIN, IDC_WIDTH);
    fillComboBox(GetDlgItem(panel, IDC_BYTE_ORDER), BYTE_ORDER_NAMES,
                 static_cast<int>(settings.byteOrder));
    fillComboBox(GetDlgItem(panel, IDC_OUTPUT_TYPE), OUTPUT_TYPE_NAMES,
                 static_cast<int>(settings.outputType));
    showRows(panel, settings);
    ExtractionChoices fresh;
    check(panel, IDC_WAD_ROOM, fresh.roomTextures);
    check(panel, IDC_WAD_OBJECT, fresh.objectTextures);
    check(panel, IDC_LEVEL_MISC, fresh.miscPages);
    check(panel, IDC_LEVEL_16BIT, fresh.pages16);
    check(panel, IDC_LEVEL_32BIT, fresh.pages32);
    check(panel, IDC_INPUT_TRANSPARENT, fresh.inputTransparent);
    check(panel, IDC_RLE, fresh.rleCompression);
    check(panel, IDC_BUMP_MAP, fresh.bumpMap);
    check(panel, IDC_OUTPUT_TRANSPARENT, true);
    setWindowText(GetDlgItem(panel, IDC_OUTPUT_DIRECTORY), settings.outputDirectory);
}

// Notifications of the file dialog. Extract refuses the dialog's OK, so it stays open.
INT_PTR notified(HWND panel, const OFNOTIFYW& notice) {
    Panel& state = panelOf(panel);
    switch (notice.hdr.code) {
        case CDN_INITDONE:
            centreOverOwner(GetParent(panel));
            return 0;
        case CDN_TYPECHANGE:
            state.settings.inputType = notice.lpOFN->nFilterIndex;
            showRows(panel, state.settings);
            return 0;
        case CDN_FILEOK:
            state.settings.outputDirectory = windowText(GetDlgItem(panel, IDC_OUTPUT_DIRECTORY));
            extractTextures(state.ui, narrow(notice.lpOFN->lpstrFile), state.settings,
                            choicesOf(panel));
            SetWindowLongPtrW(panel, DWLP_MSGRESULT, 1);
            return 1;
        default:
            return 0;
    }
}

void commanded(HWND panel, int id, int code) {
    Panel& state = panelOf(panel);
    ExtractionSettings& settings = state.settings;
    HWND control = GetDlgItem(panel, id);
    switch (id) {
        case IDC_OUTPUT_BROWSE:
            if (browseForOutputDirectory(state.ui, settings,
                                         windowText(GetDlgItem(panel, IDC_OUTPUT_DIRECTORY)))) {
                setWindowText(GetDlgItem(panel, IDC_OUTPUT_DIRECTORY), settings.outputDirectory);
            }
            break;
        case IDC_OUTPUT_TYPE:
        case IDC_BYTE_ORDER:
            if (code == CBN_DROPDOWN) fitComboDropDown(control, -1);
            if (code != CBN_SELCHANGE) break;
            (id == IDC_OUTPUT_TYPE ? settings.outputType : settings.byteOrder) =
                static_cast<uint32_t>(SendMessageW(control, CB_GETCURSEL, 0, 0));
            showRows(panel, settings);
            break;
        case IDC_INPUT_COLOUR:
        case IDC_OUTPUT_COLOUR: {
            const bool input = id == IDC_INPUT_COLOUR;
            if (chooseColour(
                    panel,
                    input ? "Input File Transparency Color" : "Output File Transparency Color",
                    input ? settings.inputTransparency : settings.outputTransparency,
                    settings.customColours)) {
                InvalidateRect(control, nullptr, TRUE);
            }
            break;
        }
        default:
            break;
    }
}

UINT_PTR CALLBACK extractOptionsHook(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    // Messages that come before the panel knows its settings are the dialog's own business.
    if (message != WM_INITDIALOG && !GetWindowLongPtrW(panel, GWLP_USERDATA)) return 0;
    switch (message) {
        case WM_INITDIALOG: {
            const auto& dialog = *reinterpret_cast<const OPENFILENAMEW*>(lParam);
            SetWindowLongPtrW(panel, GWLP_USERDATA, dialog.lCustData);
            initialisePanel(panel, panelOf(panel).settings);
            return 0;
        }
        case WM_NOTIFY:
            return static_cast<UINT_PTR>(
                notified(panel, *reinterpret_cast<const OFNOTIFYW*>(lParam)));
        case WM_COMMAND:
            commanded(panel, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const ExtractionSettings& settings = panelOf(panel).settings;
            drawColourSwatch(item, item.CtlID == IDC_INPUT_COLOUR ? settings.inputTransparency
                                                                  : settings.outputTransparency);
            return 1;
        }
        default:
            return 0;
    }
}

}  // namespace

void runExtractionDialog(HWND owner, HINSTANCE instance, const FileDialogRequest& request, Ui& ui,
                         ExtractionSettings& settings) {
    openExtractionSettings(settings);
    Panel panel{ui, settings};
    FileDialogSetup dialog(owner, instance, request);
    OPENFILENAMEW& record = dialog.record();
    record.nFilterIndex = settings.inputType;
    record.Flags |= OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
    record.lpTemplateName = MAKEINTRESOURCEW(IDD_EXTRACTION_PANEL);
    record.lpfnHook = extractOptionsHook;
    record.lCustData = reinterpret_cast<LPARAM>(&panel);
    dialog.run();
}

}  // namespace kavrin::win32
