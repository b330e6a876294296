// The texture extraction options beside the file dialog: input options for the kind of file
// chosen, and where and how the textures would be written.
#pragma once

#include <QWidget>

#include "texture/extraction_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kavrin::shell {

class ExtractionPanel : public QWidget {
    Q_OBJECT

public:
    // The panel reads and keeps its choices in `settings`; `ui` asks for the output folder.
    ExtractionPanel(Ui& ui, ExtractionSettings& settings, QWidget* parent);

    // Shows the rows that the settings' input and output types call for.
    void showRows();

    // The boxes and sizes as they stand, and the output directory as typed.
    const ExtractionChoices& choices() const { return choices_; }
    QString outputDirectory() const;

private:
    QWidget* makeInputOptions();
    QWidget* makeOutputOptions();
    // A box or spinner that keeps its value in `choices_`.
    QCheckBox* choiceBox(const QString& text, bool ExtractionChoices::*choice, QWidget* parent);
    QSpinBox* rawSizeSpinner(uint32_t ExtractionChoices::*size, QWidget* parent);
    void browse();

    Ui& ui_;
    ExtractionSettings& settings_;
    ExtractionChoices choices_;  // every opening starts from the defaults
    QWidget* levelRow_ = nullptr;
    QWidget* objectWadRow_ = nullptr;
    QWidget* rawImageRow_ = nullptr;
    QWidget* noInputOptions_ = nullptr;
    QWidget* transparencyRow_ = nullptr;
    QCheckBox* rleCompression_ = nullptr;
    QCheckBox* bumpMap_ = nullptr;
    QLineEdit* outputDirectory_ = nullptr;
};

}  // namespace kavrin::shell
