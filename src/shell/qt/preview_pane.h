// The preview pane: the object the user selected, drawn by the core's renderer. Dragging orbits
// the camera, the wheel zooms, the animation box and the play button play the object's
// animations.
#pragma once

#include <QWidget>
#include <functional>

#include "preview/object_preview.h"

class QComboBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QTableView;
class QTimer;
class QTreeWidget;

namespace kavrin {
struct Session;
}

namespace kavrin::shell {

class PreviewPane : public QWidget {
    Q_OBJECT

public:
    // `selected` names the entry to show whenever the pane draws; it is asked anew every time,
    // so an entry that went away is never drawn.
    PreviewPane(std::function<const ObjectEntry*()> selected, QWidget* parent);

    // The selection changed: shows what is selected now.
    void follow();

    const preview::ObjectPreview& state() const { return preview_; }
    double lastRenderMilliseconds() const { return renderMilliseconds_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QRect canvas() const;
    // Takes up the selected entry when it is another than the one shown; false when it is not.
    bool takeSelection();
    void showFrame();
    void setPlaying(bool playing);

    std::function<const ObjectEntry*()> selected_;
    preview::ObjectPreview preview_;
    QComboBox* animations_ = nullptr;
    QPushButton* play_ = nullptr;
    QLabel* frame_ = nullptr;
    QTimer* timer_ = nullptr;
    QPoint dragFrom_;
    double renderMilliseconds_ = 0.0;
};

// Docks a preview pane at the right of the window, showing the object selected last in the
// reference tree or the edited list, and widens the window to make room for it.
PreviewPane* addPreviewDock(QMainWindow& window, Session& session, QTreeWidget& tree,
                            QTableView& list);

}  // namespace kavrin::shell
