#include "shell/qt/about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "framework/manual.h"
#include "framework/program_info.h"
#include "shell/qt/icons.h"

namespace kavrin::shell {

AboutBox::AboutBox(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("About %1").arg(PROGRAM_NAME));
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon, 0, 0);

    auto* texts = new QVBoxLayout;
    auto* version = new QLabel(QStringLiteral("%1 Version %2").arg(PROGRAM_NAME, PROGRAM_VERSION));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    texts->addWidget(version);
    // The project's pages are its manual; it has no web site or e-mail address to name.
    QString manual =
        QString::fromStdString(manualPath(QApplication::applicationDirPath().toStdString()));
    for (const QString& line : {QString(PROGRAM_NAME), QString(PROGRAM_COPYRIGHT),
                                QStringLiteral("Homepage: %1").arg(manual)}) {
        auto* label = new QLabel(line, this);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(label);
    }
    layout->addLayout(texts, 0, 1);
    layout->setHorizontalSpacing(16);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 1, 0, 1, 2);
}

}  // namespace kavrin::shell
