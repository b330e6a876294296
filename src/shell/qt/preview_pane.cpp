#include "shell/qt/preview_pane.h"

#include <QComboBox>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <memory>

#include "editing/rows.h"
#include "editing/session.h"
#include "shell/qt/reference_tree.h"

namespace kavrin::shell {

PreviewPane::PreviewPane(std::function<const ObjectEntry*()> selected, QWidget* parent)
    : QWidget(parent), selected_(std::move(selected)) {
    setObjectName(QStringLiteral("kavrin_preview"));
    animations_ = new QComboBox(this);
    animations_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    play_ = new QPushButton(QString::fromUtf8(preview::playButtonText(false)), this);
    animations_->setEnabled(false);
    play_->setEnabled(false);
    frame_ = new QLabel(this);
    timer_ = new QTimer(this);
    timer_->setInterval(1000 / preview::FRAMES_PER_SECOND);

    auto* controls = new QHBoxLayout;
    controls->addWidget(animations_, 1);
    controls->addWidget(play_);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(controls);
    layout->addWidget(frame_);
    setMinimumSize(preview::PREVIEW_SIDE, preview::PREVIEW_SIDE + 2 * play_->sizeHint().height());

    connect(animations_, &QComboBox::activated, this, [this](int animation) {
        preview::chooseAnimation(preview_, static_cast<uint32_t>(animation));
        showFrame();
    });
    connect(play_, &QPushButton::clicked, this, [this] { setPlaying(!timer_->isActive()); });
    connect(timer_, &QTimer::timeout, this, [this] {
        preview::advanceFrames(preview_, 1.0);
        showFrame();
    });
    follow();
}

void PreviewPane::follow() {
    takeSelection();
    showFrame();
}

bool PreviewPane::takeSelection() {
    if (!preview::followEntry(preview_, selected_())) return false;
    setPlaying(false);
    animations_->clear();
    for (const std::string& name : preview::animationNames(preview_))
        animations_->addItem(QString::fromStdString(name));
    animations_->setEnabled(animations_->count() > 0);
    play_->setEnabled(animations_->count() > 0);
    return true;
}

void PreviewPane::showFrame() {
    frame_->setText(QString::fromStdString(preview::frameLabel(preview_)));
    update(canvas());
}

void PreviewPane::setPlaying(bool playing) {
    if (playing) {
        timer_->start();
    } else {
        timer_->stop();
    }
    play_->setText(QString::fromUtf8(preview::playButtonText(playing)));
}

QRect PreviewPane::canvas() const {
    return QRect(0, 0, width(), animations_->geometry().top() - std::max(layout()->spacing(), 0));
}

void PreviewPane::paintEvent(QPaintEvent*) {
    // The selection may have changed, or its entry gone away, since the pane last drew.
    if (takeSelection()) showFrame();
    QPainter painter(this);
    const QRect area = canvas();
    painter.fillRect(area,
                     QColor(preview::GROUND_GREY, preview::GROUND_GREY, preview::GROUND_GREY));
    const qreal ratio = devicePixelRatioF();
    QElapsedTimer clock;
    clock.start();
    const preview::Image& image = preview::renderPreview(
        preview_, static_cast<int>(area.width() * ratio), static_cast<int>(area.height() * ratio));
    renderMilliseconds_ = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QImage frame(image.rgba.data(), image.width, image.height, image.width * 4,
                 QImage::Format_RGBA8888);
    frame.setDevicePixelRatio(ratio);
    painter.drawImage(area.topLeft(), frame);
}

void PreviewPane::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position().toPoint();
}

void PreviewPane::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    const QRect area = canvas();
    preview::orbit(preview_, at.x() - dragFrom_.x(), at.y() - dragFrom_.y(),
                   std::min(area.width(), area.height()));
    dragFrom_ = at;
    update(area);
}

void PreviewPane::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / preview::WHEEL_NOTCH;
    if (notches == 0) return;
    preview::zoom(preview_, notches);
    update(canvas());
}

PreviewPane* addPreviewDock(QMainWindow& window, Session& session, QTreeWidget& tree,
                            QTableView& list) {
    // Whichever of the two was selected last is shown.
    auto fromList = std::make_shared<bool>(false);
    auto selected = [&session, &tree, fromList]() -> const ObjectEntry* {
        if (!*fromList) return entryOf(tree.currentItem());
        std::optional<uint32_t> slot = selectedSlot(session.edited);
        return slot ? session.edited.slotTable[*slot] : nullptr;
    };
    auto* dock = new QDockWidget(QObject::tr("Preview"), &window);
    dock->setObjectName(QStringLiteral("kavrin_preview_dock"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* pane = new PreviewPane(selected, dock);
    dock->setWidget(pane);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
    window.resize(window.width() + pane->minimumWidth(), window.height());

    QObject::connect(&tree, &QTreeWidget::currentItemChanged, pane, [pane, fromList] {
        *fromList = false;
        pane->follow();
    });
    QObject::connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, pane,
                     [pane, fromList] {
                         *fromList = true;
                         pane->follow();
                     });
    // A command may fill or empty the selected row's slot without changing the selection.
    QObject::connect(list.model(), &QAbstractItemModel::dataChanged, pane, &PreviewPane::follow);
    QObject::connect(list.model(), &QAbstractItemModel::modelReset, pane, &PreviewPane::follow);
    return pane;
}

}  // namespace kavrin::shell
