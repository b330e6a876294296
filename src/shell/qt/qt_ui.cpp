#include "shell/qt/qt_ui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "framework/launch.h"
#include "shell/qt/extraction_dialog.h"
#include "shell/qt/file_dialog.h"
#include "shell/qt/folder_dialog.h"
#include "shell/qt/message_box.h"
#include "shell/qt/progress_window.h"

namespace kavrin::shell {

QtUi::QtUi(Ui& ui) : ui_(ui) {
    UiPort& port = ui_.port;
    port.message = [this](MessageStyle style, const std::string& title, const std::string& text) {
        return showMessageBox(owner(), style, QString::fromStdString(title),
                              QString::fromStdString(text));
    };
    port.beep = [] { QApplication::beep(); };
    port.progressCreate = [this] {
        progress_ = new ProgressWindow(mainWindow_);
        return true;
    };
    port.progressShow = [this](const ProgressState& state) {
        if (progress_) progress_->display(state);
    };
    port.progressHide = [this] {
        if (progress_) progress_->hide();
    };
    port.chooseFile = [this](const FileDialogRequest& request) -> std::optional<FileChoice> {
        if (!request.extractionPanel) return runFileDialog(owner(), request);
        ExtractionDialog dialog(owner(), request, ui_, extraction_);
        dialog.exec();
        return std::nullopt;
    };
    port.browseForFolder = [this](const FolderRequest& request) {
        return runFolderDialog(owner(), request);
    };
    port.launch = [](const std::string& address) -> std::optional<std::string> {
        // A file's path or a web address; the desktop only says whether some program took it.
        QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
        if (QDesktopServices::openUrl(url)) return std::nullopt;
        return launchErrorText(LAUNCH_NO_ASSOCIATION);
    };
}

QtUi::~QtUi() {
    ui_.port = {};
    delete progress_;
}

void QtUi::setMainWindow(QWidget* window) {
    mainWindow_ = window;
}

QWidget* QtUi::owner() const {
    if (QWidget* dialog = QApplication::activeModalWidget()) return dialog;
    return mainWindow_;
}

}  // namespace kavrin::shell
