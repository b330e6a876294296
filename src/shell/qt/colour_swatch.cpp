#include "shell/qt/colour_swatch.h"

#include <QColorDialog>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kavrin::shell {

namespace {

QColor toQColor(Colour colour) {
    return QColor(colourRed(colour), colourGreen(colour), colourBlue(colour));
}

Colour fromQColor(const QColor& colour) {
    return makeColour(static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                      static_cast<uint8_t>(colour.blue()));
}

}  // namespace

bool chooseColour(QWidget* owner, const QString& title, Colour& colour,
                  std::array<Colour, 16>& customColours) {
    for (int i = 0; i < static_cast<int>(customColours.size()); ++i) {
        QColorDialog::setCustomColor(i, toQColor(customColours[static_cast<size_t>(i)]));
    }
    QColorDialog dialog(toQColor(colour), owner);
    dialog.setWindowTitle(title);
    bool chosen = dialog.exec() == QDialog::Accepted;
    // Custom colours the user defined are kept even when the choice is cancelled.
    for (int i = 0; i < static_cast<int>(customColours.size()); ++i) {
        customColours[static_cast<size_t>(i)] = fromQColor(QColorDialog::customColor(i));
    }
    if (chosen) colour = fromQColor(dialog.selectedColor());
    return chosen;
}

ColourSwatch::ColourSwatch(const QString& title, Colour& colour,
                           std::array<Colour, 16>& customColours, QWidget* parent)
    : QPushButton(parent), title_(title), colour_(colour), customColours_(customColours) {
    setAccessibleName(tr("Color"));
    setToolTip(title);
    connect(this, &QPushButton::clicked, this, [this] {
        if (chooseColour(this, title_, colour_, customColours_)) update();
    });
}

QSize ColourSwatch::sizeHint() const {
    int side = fontMetrics().height() + 12;
    return {side * 2, side};
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    // The colour sits inside the button's frame with a thin outline around it.
    QRect well = rect().adjusted(6, 6, -6, -6);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(toQColor(colour_));
    painter.drawRect(well.adjusted(0, 0, -1, -1));
}

}  // namespace kavrin::shell
