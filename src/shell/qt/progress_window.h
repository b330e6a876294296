// The progress window of long operations: a caption, one line of text and a bar.
#pragma once

#include <QDialog>

#include "framework/ui.h"

class QLabel;
class QProgressBar;

namespace kavrin::shell {

class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget* owner);

    // Shows the state at once. The long operation keeps the only thread, so the window is painted
    // here, with the events that paint windows; the user's input waits until it is over.
    void display(const ProgressState& state);

private:
    QLabel* text_;
    QProgressBar* bar_;
};

}  // namespace kavrin::shell
