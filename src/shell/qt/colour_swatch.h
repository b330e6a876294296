// A button that shows a colour and lets the user choose another with the colour chooser.
#pragma once

#include <QPushButton>
#include <array>

#include "texture/extraction_settings.h"

namespace kavrin::shell {

// Runs the colour chooser with the title, starting from the colour and offering the custom
// colours, which keep the user's changes. True, with the colour replaced, when OK was pressed.
bool chooseColour(QWidget* owner, const QString& title, Colour& colour,
                  std::array<Colour, 16>& customColours);

class ColourSwatch : public QPushButton {
    Q_OBJECT

public:
    // The swatch shows `colour` and changes it through the chooser titled `title`.
    ColourSwatch(const QString& title, Colour& colour, std::array<Colour, 16>& customColours,
                 QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    Colour& colour_;
    std::array<Colour, 16>& customColours_;
};

}  // namespace kavrin::shell
