#include "shell/qt/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace kavrin::shell {

namespace {

// Centres the window over its owner (the screen without one), kept on the screen.
void centreOverOwner(QWidget& window) {
    QWidget* owner = window.parentWidget();
    QScreen* screen = owner ? owner->screen() : window.screen();
    QRect area = screen->availableGeometry();
    QRect over = owner ? owner->window()->frameGeometry() : area;
    QSize size = window.frameGeometry().size();
    WindowPosition at = centreWindow(
        size.width(), size.height(),
        {over.left() - area.left(), over.top() - area.top(), over.width(), over.height()},
        area.width(), area.height());
    window.move(area.left() + at.x, area.top() + at.y);
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      text_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    text_->setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    text_->setTextFormat(Qt::PlainText);
    bar_->setTextVisible(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::display(const ProgressState& state) {
    setWindowTitle(QString::fromStdString(state.caption));
    text_->setText(QString::fromStdString(state.text));
    bar_->setRange(std::min(state.rangeStart, state.rangeEnd),
                   std::max(state.rangeStart, state.rangeEnd));
    bar_->setValue(state.position);
    if (!isVisible()) {
        adjustSize();
        centreOverOwner(*this);
        show();
    }
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kavrin::shell
