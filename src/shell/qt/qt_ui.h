// The Qt backend of the ui port: message boxes, the progress window, the file and folder
// dialogs, the beep and the desktop's handler for web addresses.
#pragma once

#include <QPointer>

#include "framework/ui.h"
#include "texture/extraction_settings.h"

class QWidget;

namespace kavrin::shell {

class ProgressWindow;

class QtUi {
public:
    // Installs the backend into `ui`, which must outlive it.
    explicit QtUi(Ui& ui);
    ~QtUi();
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    // The window that owns the progress window and, when no dialog is open, every message.
    void setMainWindow(QWidget* window);

private:
    // Messages and dialogs belong to the dialog the user is in, else to the main window.
    QWidget* owner() const;

    Ui& ui_;
    QPointer<QWidget> mainWindow_;
    QPointer<ProgressWindow> progress_;
    ExtractionSettings extraction_;  // kept from one extraction dialog to the next
};

}  // namespace kavrin::shell
