#include "shell/qt/splitter_bar.h"

#include <QMouseEvent>

namespace kavrin::shell {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SplitHCursor);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    start_ = qRound(event->globalPosition().x());
    emit dragStarted();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
    emit dragged(qRound(event->globalPosition().x()) - start_);
}

}  // namespace kavrin::shell
