// The ui port: everything the system shows or asks goes through one table of operations.
//
// The core formats every message and owns the progress arithmetic; a backend (the Qt program, the
// console of kavrin-cli, the recording backend of the tests) only displays what it is given and
// answers questions.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kavrin {

// The message box styles in use: which icon, which buttons.
enum class MessageStyle {
    ErrorOk,
    WarningOk,
    InformationOk,
    QuestionYesNo,
    QuestionYesNoCancel,
    WarningYesNoCancel,
};

enum class Button { Ok, Yes, No, Cancel };

// The progress window as the core keeps it; a backend draws it from this state.
struct ProgressState {
    bool made = false;  // created by the first progressBegin, then kept for the run
    bool visible = false;
    std::string caption;
    std::string text;
    int rangeStart = 0;
    int rangeEnd = 0;
    int step = 0;
    int position = 0;
    int base = 0;  // position remembered by progressMark
};

// A file dialog request; the backend answers with the chosen path and the 1-based filter index.
struct FileDialogRequest {
    bool save = false;
    std::string title;
    uint32_t type = 0;    // row of the file type table: filters come from there
    bool strict = false;  // open: the file must exist; save: ask before overwriting
    bool extractionPanel = false;  // show the texture extraction options beside the dialog
};

struct FileChoice {
    std::string path;
    uint32_t filterIndex = 1;
};

// A folder picker request. `okEnabled`, when set, tells for a folder whether OK may be pressed.
struct FolderRequest {
    std::string prompt;
    std::string startDirectory;
    std::function<bool(const std::string& folder)> okEnabled;
};

struct UiPort {
    std::function<Button(MessageStyle style, const std::string& title, const std::string& text)>
        message;
    std::function<void()> beep;
    // Makes the progress window; false when it cannot be made. Absent: always made.
    std::function<bool()> progressCreate;
    std::function<void(const ProgressState& state)> progressShow;  // show or repaint
    std::function<void()> progressHide;
    std::function<std::optional<FileChoice>(const FileDialogRequest& request)> chooseFile;
    std::function<std::optional<std::string>(const FolderRequest& request)> browseForFolder;
    // Opens a document or address; nothing on success, else the failure text.
    std::function<std::optional<std::string>(const std::string& address)> launch;
};

struct Ui {
    UiPort port;
    ProgressState progress;
};

// Format checking for the printf the program calls: on Windows that is mingw's own (the build sets
// __USE_MINGW_ANSI_STDIO), which knows %zu and %lld where the system's runtime may not.
#ifdef __MINGW_PRINTF_FORMAT
#define KAVRIN_PRINTF(format_index, first_arg) \
    __attribute__((format(__MINGW_PRINTF_FORMAT, format_index, first_arg)))
#else
#define KAVRIN_PRINTF(format_index, first_arg) \
    __attribute__((format(printf, format_index, first_arg)))
#endif

// Formats the text (printf rules, at most 2079 characters) and shows it; returns the button
// pressed. Without a backend the answer is the safe one: OK, No, or Cancel.
Button showMessage(Ui& ui, MessageStyle style, const char* title, const char* format, ...)
    KAVRIN_PRINTF(4, 5);

void beep(Ui& ui);

// The progress operations. A format of nullptr leaves the text line as it is; texts are limited to
// 255 characters. Every operation but progressBegin does nothing until the window has been made.
void progressBegin(Ui& ui, const char* caption, int rangeStart, int rangeEnd, int step,
                   const char* format, ...) KAVRIN_PRINTF(6, 7);
void progressStep(Ui& ui, const char* format, ...) KAVRIN_PRINTF(2, 3);
// position > 0 sets the bar, < 0 advances it by the magnitude, 0 leaves it.
void progressSet(Ui& ui, int position, const char* format, ...) KAVRIN_PRINTF(3, 4);
void progressMark(Ui& ui, const char* format, ...) KAVRIN_PRINTF(2, 3);
// offset != 0 puts the bar at base + offset.
void progressSub(Ui& ui, int offset, const char* format, ...) KAVRIN_PRINTF(3, 4);
void progressEnd(Ui& ui);

// Where a window of the given size goes when centred over its parent and kept on the screen.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
struct WindowPosition {
    int x = 0;
    int y = 0;
};
WindowPosition centreWindow(int width, int height, const WindowRect& parent, int screenWidth,
                            int screenHeight);

}  // namespace kavrin
