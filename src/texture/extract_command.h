// Texture extraction: the file dialog with the extraction panel, and what "Extract" does.
#pragma once

#include <string>
#include <vector>

#include "texture/extraction_settings.h"

namespace kavrin {

struct Ui;

// Asks for a texture source with the extraction panel beside the file dialog. The dialog closes
// only through Cancel, so nothing follows it.
void extractTextureFromFile(Ui& ui);

// "Extract": takes the textures of the file at `path` (read as the settings' input type) and
// writes them, as the output type, into the output directory, asking before it replaces files
// that are there. Tells what it wrote or why it wrote nothing; returns true when it wrote, and
// appends the paths written to `written` when given.
bool extractTextures(Ui& ui, const std::string& path, const ExtractionSettings& settings,
                     const ExtractionChoices& choices, std::vector<std::string>* written = nullptr);

}  // namespace kavrin
