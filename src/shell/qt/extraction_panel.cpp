#include "shell/qt/extraction_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/qt/colour_swatch.h"
#include "shell/qt/combo_boxes.h"

namespace kavrin::shell {

namespace {

// A row of the panel: its own widget, so that showing or hiding it takes all its controls.
QWidget* makeRow(QWidget* parent, QBoxLayout::Direction direction) {
    auto* row = new QWidget(parent);
    auto* layout = new QBoxLayout(direction, row);
    layout->setContentsMargins(0, 0, 0, 0);
    return row;
}

}  // namespace

QCheckBox* ExtractionPanel::choiceBox(const QString& text, bool ExtractionChoices::*choice,
                                      QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(choices_.*choice);
    connect(box, &QCheckBox::toggled, this, [this, choice](bool on) { choices_.*choice = on; });
    return box;
}

QSpinBox* ExtractionPanel::rawSizeSpinner(uint32_t ExtractionChoices::*size, QWidget* parent) {
    auto* spinner = new QSpinBox(parent);
    spinner->setRange(RAW_SIZE_MIN, RAW_SIZE_MAX);
    spinner->setValue(static_cast<int>(choices_.*size));
    spinner->setAlignment(Qt::AlignRight);
    connect(spinner, &QSpinBox::valueChanged, this,
            [this, size](int value) { choices_.*size = static_cast<uint32_t>(value); });
    return spinner;
}

ExtractionPanel::ExtractionPanel(Ui& ui, ExtractionSettings& settings, QWidget* parent)
    : QWidget(parent), ui_(ui), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeInputOptions());
    layout->addWidget(makeOutputOptions());
    layout->addStretch();
    showRows();
}

QWidget* ExtractionPanel::makeInputOptions() {
    auto* group = new QGroupBox(tr("Input File Options"), this);
    auto* layout = new QVBoxLayout(group);

    levelRow_ = makeRow(group, QBoxLayout::TopToBottom);
    levelRow_->layout()->addWidget(new QLabel(tr("Extract From Level"), levelRow_));
    levelRow_->layout()->addWidget(
        choiceBox(tr("16 bit Texture"), &ExtractionChoices::pages16, levelRow_));
    levelRow_->layout()->addWidget(
        choiceBox(tr("32 bit Texture"), &ExtractionChoices::pages32, levelRow_));
    levelRow_->layout()->addWidget(
        choiceBox(tr("Miscellaneous Texture"), &ExtractionChoices::miscPages, levelRow_));

    objectWadRow_ = makeRow(group, QBoxLayout::TopToBottom);
    objectWadRow_->layout()->addWidget(new QLabel(tr("Extract from WAD"), objectWadRow_));
    objectWadRow_->layout()->addWidget(
        choiceBox(tr("Room Textures"), &ExtractionChoices::roomTextures, objectWadRow_));
    objectWadRow_->layout()->addWidget(
        choiceBox(tr("Object Textures"), &ExtractionChoices::objectTextures, objectWadRow_));

    rawImageRow_ = new QWidget(group);
    auto* raw = new QFormLayout(rawImageRow_);
    raw->setContentsMargins(0, 0, 0, 0);
    auto* size = new QHBoxLayout;
    QSpinBox* width = rawSizeSpinner(&ExtractionChoices::rawWidth, rawImageRow_);
    QSpinBox* height = rawSizeSpinner(&ExtractionChoices::rawHeight, rawImageRow_);
    auto* heightLabel = new QLabel(tr("x &Height"), rawImageRow_);
    heightLabel->setBuddy(height);
    size->addWidget(width);
    size->addWidget(heightLabel);
    size->addWidget(height);
    raw->addRow(tr("&Width"), size);
    qobject_cast<QLabel*>(raw->labelForField(size))->setBuddy(width);
    auto* byteOrder = new QComboBox(rawImageRow_);
    fillComboBox(*byteOrder, BYTE_ORDER_NAMES, static_cast<int>(settings_.byteOrder));
    raw->addRow(tr("Byte Order"), byteOrder);
    connect(byteOrder, &QComboBox::currentIndexChanged, this,
            [this](int index) { settings_.byteOrder = static_cast<uint32_t>(index); });

    noInputOptions_ = new QLabel(tr("None"), group);

    transparencyRow_ = makeRow(group, QBoxLayout::LeftToRight);
    transparencyRow_->layout()->addWidget(choiceBox(
        tr("Transparency Color"), &ExtractionChoices::inputTransparent, transparencyRow_));
    transparencyRow_->layout()->addWidget(
        new ColourSwatch(tr("Input File Transparency Color"), settings_.inputTransparency,
                         settings_.customColours, transparencyRow_));
    qobject_cast<QBoxLayout*>(transparencyRow_->layout())->addStretch();

    for (QWidget* row :
         {levelRow_, objectWadRow_, rawImageRow_, noInputOptions_, transparencyRow_}) {
        layout->addWidget(row);
    }
    return group;
}

QWidget* ExtractionPanel::makeOutputOptions() {
    auto* group = new QGroupBox(tr("Output File Specification"), this);
    auto* layout = new QFormLayout(group);

    auto* directory = new QHBoxLayout;
    outputDirectory_ = new QLineEdit(QString::fromStdString(settings_.outputDirectory), group);
    outputDirectory_->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
    auto* browse = new QPushButton(tr("Browse..."), group);
    connect(browse, &QPushButton::clicked, this, &ExtractionPanel::browse);
    directory->addWidget(outputDirectory_);
    directory->addWidget(browse);
    layout->addRow(tr("File &Name:"), directory);
    qobject_cast<QLabel*>(layout->labelForField(directory))->setBuddy(outputDirectory_);

    auto* outputType = new QComboBox(group);
    fillComboBox(*outputType, OUTPUT_TYPE_NAMES, static_cast<int>(settings_.outputType));
    layout->addRow(tr("File of &Type:"), outputType);
    connect(outputType, &QComboBox::currentIndexChanged, this, [this](int index) {
        settings_.outputType = static_cast<uint32_t>(index);
        showRows();
    });

    rleCompression_ = choiceBox(tr("RLE Compression"), &ExtractionChoices::rleCompression, group);
    bumpMap_ = choiceBox(tr("Output Bumpmap File (.TBM)"), &ExtractionChoices::bumpMap, group);
    layout->addRow(rleCompression_);
    layout->addRow(bumpMap_);
    return group;
}

void ExtractionPanel::showRows() {
    ExtractionPanelRows rows = extractionPanelRows(settings_.inputType, settings_.outputType);
    levelRow_->setVisible(rows.level);
    objectWadRow_->setVisible(rows.objectWad);
    rawImageRow_->setVisible(rows.rawImage);
    noInputOptions_->setVisible(rows.noInputOptions);
    transparencyRow_->setVisible(rows.inputTransparency);
    rleCompression_->setVisible(rows.rleCompression);
    bumpMap_->setVisible(rows.bumpMap);
}

QString ExtractionPanel::outputDirectory() const {
    return outputDirectory_->text();
}

void ExtractionPanel::browse() {
    if (browseForOutputDirectory(ui_, settings_, outputDirectory_->text().toStdString())) {
        outputDirectory_->setText(QString::fromStdString(settings_.outputDirectory));
    }
}

}  // namespace kavrin::shell
