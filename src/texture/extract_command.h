// Texture extraction: the file dialog with the extraction panel, and what "Extract" does.
#pragma once

namespace kavrin {

struct Ui;

// Asks for a texture source with the extraction panel beside the file dialog. The dialog closes
// only through Cancel, so nothing follows it.
void extractTextureFromFile(Ui& ui);

// "Extract" in that dialog. Extraction is not available yet: it says so and the dialog stays open.
void extractTextures(Ui& ui);

}  // namespace kavrin
