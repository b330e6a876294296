// The file dialog of Extract From File, with the extraction options beside it.
#pragma once

#include <QFileDialog>

#include "framework/ui.h"
#include "texture/extraction_settings.h"

namespace kavrin::shell {

class ExtractionPanel;

class ExtractionDialog : public QFileDialog {
    Q_OBJECT

public:
    // Opens on the filter of the remembered input type, so that the options shown and the files
    // listed agree; the panel keeps its choices in `settings` for the rest of the run.
    ExtractionDialog(QWidget* owner, const FileDialogRequest& request, Ui& ui,
                     ExtractionSettings& settings);

    // "Extract" on a chosen file extracts it into the typed output directory, which is remembered,
    // and leaves the dialog open for the next file; only Cancel closes it.
    void accept() override;

private:
    Ui& ui_;
    ExtractionSettings& settings_;
    ExtractionPanel* panel_;
};

}  // namespace kavrin::shell
