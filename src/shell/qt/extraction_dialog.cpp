#include "shell/qt/extraction_dialog.h"

#include <QFileInfo>
#include <QGridLayout>

#include "shell/qt/extraction_panel.h"
#include "shell/qt/file_dialog.h"
#include "texture/extract_command.h"

namespace kavrin::shell {

ExtractionDialog::ExtractionDialog(QWidget* owner, const FileDialogRequest& request, Ui& ui,
                                   ExtractionSettings& settings)
    : QFileDialog(owner), ui_(ui), settings_(settings) {
    // The panel needs the dialog's own widgets to stand beside.
    setOption(QFileDialog::DontUseNativeDialog);
    prepareFileDialog(*this, request);
    setLabelText(QFileDialog::Accept, tr("Extract"));
    openExtractionSettings(settings_);

    panel_ = new ExtractionPanel(ui_, settings_, this);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(panel_, 0, grid->columnCount(), grid->rowCount(), 1);
    }
    // Room for the files as well as for the options.
    resize(sizeHint().expandedTo(QSize(920, 520)));
    selectNameFilter(
        shell::nameFilters(request.type).value(static_cast<qsizetype>(settings_.inputType) - 1));
    connect(this, &QFileDialog::filterSelected, this,
            [this, type = request.type](const QString& filter) {
                if (uint32_t index = filterIndexOf(type, filter)) {
                    settings_.inputType = index;
                    panel_->showRows();
                }
            });
}

void ExtractionDialog::accept() {
    QStringList files = selectedFiles();
    // A folder or a name that is not there is the file dialog's own business.
    if (files.isEmpty() || !QFileInfo(files.first()).isFile()) return QFileDialog::accept();
    settings_.outputDirectory = panel_->outputDirectory().toStdString();
    extractTextures(ui_, files.first().toStdString(), settings_, panel_->choices());
}

}  // namespace kavrin::shell
