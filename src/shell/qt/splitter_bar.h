// The bar between the reference tree and the buttons: dragging it sideways widens or narrows the
// tree. The main window places it and lays itself out again as it moves.
#pragma once

#include <QWidget>

namespace kavrin::shell {

class SplitterBar : public QWidget {
    Q_OBJECT

public:
    explicit SplitterBar(QWidget* parent);

signals:
    // The pointer is `offset` pixels right (negative: left) of where the drag started.
    void dragged(int offset);
    void dragStarted();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int start_ = 0;
};

}  // namespace kavrin::shell
