#include "texture/extract_command.h"

#include "framework/file_types.h"
#include "framework/ui.h"

namespace kavrin {

void extractTextureFromFile(Ui& ui) {
    if (!ui.port.chooseFile) return;
    FileDialogRequest request;
    request.title = "Extract Texture From File";
    request.type = FILE_TEXTURE_SOURCE;
    request.strict = true;
    request.extractionPanel = true;
    ui.port.chooseFile(request);
}

void extractTextures(Ui& ui) {
    showMessage(ui, MessageStyle::ErrorOk, "testing", "do extraction here");
}

}  // namespace kavrin
