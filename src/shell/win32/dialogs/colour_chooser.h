// The system's colour chooser and the buttons that show a chosen colour.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "texture/extraction_settings.h"

namespace kavrin::win32 {

// Runs the colour chooser over `owner` with `title` as its caption, starting from `colour` with
// the custom colours open. True when the user pressed OK: only then is `colour` changed. Custom
// colours the user defined are kept either way.
bool chooseColour(HWND owner, const std::string& title, Colour& colour,
                  std::array<Colour, 16>& customColours);

// Paints an owner-drawn button as a swatch of `colour` inside a push-button frame.
void drawColourSwatch(const DRAWITEMSTRUCT& item, Colour colour);

}  // namespace kavrin::win32
