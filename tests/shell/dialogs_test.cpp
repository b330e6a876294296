// The Qt backend of the ui port, driven through its real dialogs: message boxes, the file dialog,
// the folder picker and the texture extraction panel.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>

#include "framework/file_types.h"
#include "shell/qt_ui.h"
#include "shell/support/shell_session.h"
#include "support/test_data.h"

namespace kavrin {

namespace fs = std::filesystem;

namespace {

// The widget of the dialog that shows the text, by its class.
template <class Widget>
Widget* withText(QWidget* dialog, const QString& text) {
    for (Widget* widget : dialog->findChildren<Widget*>()) {
        if (widget->text().remove(u'&') == text) return widget;
    }
    return nullptr;
}

bool shown(QWidget* widget) {
    return widget && widget->isVisibleTo(widget->window());
}

// Chooses a filter in the file dialog's list as the user does, with the keyboard.
void chooseFilter(QWidget* dialog, int index) {
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QTest::keyClick(types, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(types, Qt::Key_Down);
}

// Goes to the file's folder and clicks the file in the dialog's list, as the user does.
void pickFile(QFileDialog* dialog, const std::string& path) {
    QFileInfo file(QString::fromStdString(path));
    dialog->setDirectory(file.absolutePath());
    auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
    auto* files = dialog->findChild<QFileSystemModel*>();
    if (!QTest::qWaitFor([&] { return files->index(file.absoluteFilePath()).isValid(); }, 5000)) {
        return;
    }
    list->setCurrentIndex(files->index(file.absoluteFilePath()));
}

// Goes to the folder and types a new file name, as the user does to save.
void typeFileName(QFileDialog* dialog, const std::string& folder, const QString& name) {
    dialog->setDirectory(QString::fromStdString(folder));
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->clear();
    QTest::keyClicks(edit, name);
}

// Presses the file dialog's Open, Save or Extract button, once the dialog has seen the file.
void pressAccept(QWidget* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    for (QAbstractButton* button : buttons->buttons()) {
        if (buttons->buttonRole(button) != QDialogButtonBox::AcceptRole) continue;
        if (!QTest::qWaitFor([button] { return button->isEnabled(); }, 5000)) return;
        return QTest::mouseClick(button, Qt::LeftButton);
    }
}

// The window keeps the command without a menu: the texture menu is not on the bar.
void extractFromFile(test::ShellSession& shell) {
    shell.window->findChild<QAction*>(QStringLiteral("extractFromFile"))->trigger();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesShowEachStyleAndReturnThePressedButton() {
        Ui ui;
        shell::QtUi backend(ui);
        QWidget owner;
        backend.setMainWindow(&owner);
        struct Case {
            MessageStyle style;
            QMessageBox::Icon icon;
            QMessageBox::StandardButtons buttons;
            QMessageBox::StandardButton press;  // NoButton: the box is closed with Escape
            Button expected;
        };
        const Case cases[] = {
            {MessageStyle::ErrorOk, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
             Button::Ok},
            {MessageStyle::WarningOk, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::NoButton,
             Button::Ok},
            {MessageStyle::InformationOk, QMessageBox::Information, QMessageBox::Ok,
             QMessageBox::Ok, Button::Ok},
            {MessageStyle::QuestionYesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::Yes, Button::Yes},
            {MessageStyle::QuestionYesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::NoButton, Button::No},
            {MessageStyle::QuestionYesNoCancel, QMessageBox::Question,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No, Button::No},
            {MessageStyle::WarningYesNoCancel, QMessageBox::Warning,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoButton,
             Button::Cancel},
        };
        for (const Case& c : cases) {
            QMessageBox* seen = nullptr;
            QString title, text;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QMessageBox::StandardButtons buttons;
            QWidget* parent = nullptr;
            test::whenModalOpens([&](QWidget* dialog) {
                seen = qobject_cast<QMessageBox*>(dialog);
                if (!seen) return;
                title = seen->windowTitle();
                text = seen->text();
                icon = seen->icon();
                buttons = seen->standardButtons();
                parent = seen->parentWidget();
                if (c.press == QMessageBox::NoButton) {
                    QTest::keyClick(seen, Qt::Key_Escape);
                } else {
                    QTest::mouseClick(seen->button(c.press), Qt::LeftButton);
                }
            });
            Button answer = showMessage(ui, c.style, "Kavrin", "<b>%s</b>\nline two", "tut1.WAS");
            QVERIFY(seen);
            QCOMPARE(answer, c.expected);
            QCOMPARE(title, QStringLiteral("Kavrin"));
            QCOMPARE(text, QStringLiteral("<b>tut1.WAS</b>\nline two"));  // shown as plain text
            QCOMPARE(icon, c.icon);
            QCOMPARE(buttons, c.buttons);
            QCOMPARE(parent, &owner);
        }
    }

    void theFileDialogOffersTheTypesFiltersAndReportsTheOneLeftChosen() {
        Ui ui;
        shell::QtUi backend(ui);
        std::string trle = test::realTrleDirectory();
        if (trle.empty()) QSKIP("the real Level Editor files are not there");
        std::string wads = (fs::path(trle) / "graphics" / "wads").string();

        QStringList filters;
        QString title;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        test::whenModalOpens([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            filters = files->nameFilters();
            title = files->windowTitle();
            mode = files->fileMode();
            // The WAS file is picked while the level filter is chosen: the filter is reported.
            chooseFilter(files, 1);
            pickFile(files, (fs::path(wads) / "tut1.WAS").string());
            pressAccept(files);
        });
        FileDialogRequest open;
        open.title = "Load Reference File";
        open.type = FILE_REFERENCE;
        open.strict = true;
        std::optional<FileChoice> chosen = ui.port.chooseFile(open);
        QCOMPARE(filters, (QStringList{"Object WAD Script (.WAS) (*.WAS)",
                                       "Tomb Raider 4 Level (.tr4) (*.tr4)"}));
        QCOMPARE(title, QStringLiteral("Load Reference File"));
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QVERIFY(chosen);
        QVERIFY(fs::equivalent(chosen->path, fs::path(wads) / "tut1.WAS"));
        QCOMPARE(chosen->filterIndex, 2u);

        // Saving: a typed name keeps its lack of an extension; strict asks before overwriting.
        std::string scratch = test::makeTempDirectory("save-dialog");
        bool confirms = false;
        QString suffix = QStringLiteral("unset");
        test::whenModalOpens([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            confirms = !files->testOption(QFileDialog::DontConfirmOverwrite);
            suffix = files->defaultSuffix();
            typeFileName(files, scratch, "newset");
            pressAccept(files);
        });
        FileDialogRequest save;
        save.save = true;
        save.title = "Save Wad As";
        save.type = FILE_WAS;
        save.strict = true;
        chosen = ui.port.chooseFile(save);
        QVERIFY(confirms);
        QVERIFY(suffix.isEmpty());
        QVERIFY(chosen);
        QCOMPARE(QString::fromStdString(chosen->path),
                 QString::fromStdString((fs::path(scratch) / "newset").string()));
        QCOMPARE(chosen->filterIndex, 1u);

        test::whenModalOpens([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
        QVERIFY(!ui.port.chooseFile(save));
        fs::remove_all(scratch);
    }

    void theFolderPickerOffersOkOnlyWhereTheFileIs() {
        Ui ui;
        shell::QtUi backend(ui);
        std::string with = test::makeTempDirectory("with-objects");
        std::string without = test::makeTempDirectory("without-objects");
        std::ofstream(fs::path(with) / "objects.h") << "x";

        FolderRequest request;
        request.prompt = "Tomb Raider Level Editor Directory\nLocation of objects.h";
        request.startDirectory = without;
        request.okEnabled = [](const std::string& folder) {
            return fs::exists(fs::path(folder) / "objects.h");
        };
        bool okAtStart = true, okWithFile = false, promptShown = false;
        test::whenModalOpens([&](QWidget* dialog) {
            QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            promptShown = withText<QLabel>(dialog, QString::fromStdString(request.prompt));
            okAtStart = ok->isEnabled();
            auto* tree = dialog->findChild<QTreeView*>();
            auto* model = qobject_cast<QFileSystemModel*>(tree->model());
            tree->setCurrentIndex(model->index(QString::fromStdString(with)));
            okWithFile = ok->isEnabled();
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        std::optional<std::string> folder = ui.port.browseForFolder(request);
        QVERIFY(promptShown);
        QVERIFY(!okAtStart);
        QVERIFY(okWithFile);
        QVERIFY(folder);
        QVERIFY(fs::equivalent(*folder, with));
        fs::remove_all(with);
        fs::remove_all(without);
    }

    void theExtractionPanelShowsTheOptionsOfTheChosenTypesAndKeepsThem() {
        test::ShellSession shell;
        if (!shell.started) QSKIP("the real Level Editor files are not there");
        auto realDialog = shell.session.ui.port.chooseFile;
        shell.answerFromQueues();
        shell.session.ui.port.chooseFile = realDialog;
        std::string chosenFolder = test::makeTempDirectory("textures");
        shell.folders = {chosenFolder};

        struct Seen {
            QString title, accept, outputDirectory;
            int filters = 0;
            bool level, wad, raw, none, transparency, rle, bump, stillOpen;
            int widthMax = 0;
        } first{}, raw{}, sprite{}, reopened{};
        auto look = [](QWidget* dialog, Seen& seen) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            seen.title = files->windowTitle();
            seen.accept = files->labelText(QFileDialog::Accept);
            seen.filters = static_cast<int>(files->nameFilters().size());
            seen.level = shown(withText<QCheckBox>(dialog, "16 bit Texture"));
            seen.wad = shown(withText<QCheckBox>(dialog, "Room Textures"));
            seen.raw = shown(withText<QLabel>(dialog, "Byte Order"));
            seen.none = shown(withText<QLabel>(dialog, "None"));
            seen.transparency = shown(withText<QCheckBox>(dialog, "Transparency Color"));
            seen.rle = shown(withText<QCheckBox>(dialog, "RLE Compression"));
            seen.bump = shown(withText<QCheckBox>(dialog, "Output Bumpmap File (.TBM)"));
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->objectName() != "fileNameEdit") seen.outputDirectory = edit->text();
            }
        };
        auto outputType = [](QWidget* dialog) {
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                if (box->findText("Room Editor Texture (.tga)") >= 0) return box;
            }
            return static_cast<QComboBox*>(nullptr);
        };

        test::whenModalOpens([&](QWidget* dialog) {
            look(dialog, first);
            // Level input with room editor output asks about the bump map; Targa about RLE.
            outputType(dialog)->setCurrentIndex(2);
            first.bump = shown(withText<QCheckBox>(dialog, "Output Bumpmap File (.TBM)"));
            outputType(dialog)->setCurrentIndex(4);
            first.rle = shown(withText<QCheckBox>(dialog, "RLE Compression"));

            chooseFilter(dialog, 2);
            look(dialog, raw);
            QSpinBox* width = dialog->findChildren<QSpinBox*>().value(0);
            raw.widthMax = width ? width->maximum() : 0;
            chooseFilter(dialog, 3);
            look(dialog, sprite);

            QTest::mouseClick(withText<QPushButton>(dialog, "Browse..."), Qt::LeftButton);

            // Extract on a chosen file says what it would do and the dialog stays open.
            auto* files = qobject_cast<QFileDialog*>(dialog);
            pickFile(files, shell.realPath("graphics/wads/tut1.SWD"));
            pressAccept(files);
            sprite.stillOpen = files->isVisible();
            files->reject();
        });
        extractFromFile(shell);

        QCOMPARE(first.title, QStringLiteral("Extract Texture From File"));
        QCOMPARE(first.accept, QStringLiteral("Extract"));
        QCOMPARE(first.filters, 5);
        QVERIFY(first.level && !first.wad && !first.raw && !first.none && !first.transparency);
        QVERIFY(first.bump);
        QVERIFY(first.rle);
        QVERIFY(raw.raw && raw.transparency && !raw.level && !raw.wad && !raw.none);
        QCOMPARE(raw.widthMax, 0x7FFFF);
        QVERIFY(sprite.none && !sprite.raw && !sprite.level && !sprite.transparency);
        QVERIFY(!sprite.bump);
        QVERIFY(sprite.stillOpen);
        QCOMPARE(shell.messages.size(), size_t(1));
        QCOMPARE(shell.messages[0].title, std::string("testing"));
        QCOMPARE(shell.messages[0].text, std::string("do extraction here"));

        // The next opening keeps the types and the folder; the boxes start afresh.
        bool rleChecked = true, levelChecked = false;
        test::whenModalOpens([&](QWidget* dialog) {
            look(dialog, reopened);
            chooseFilter(dialog, 0);
            levelChecked = withText<QCheckBox>(dialog, "16 bit Texture")->isChecked();
            rleChecked = withText<QCheckBox>(dialog, "RLE Compression")->isChecked();
        });
        extractFromFile(shell);
        QVERIFY(reopened.none && reopened.rle);
        QCOMPARE(reopened.outputDirectory, QString::fromStdString(chosenFolder));
        QVERIFY(levelChecked);
        QVERIFY(!rleChecked);
        fs::remove_all(chosenFolder);
    }

    void theTransparencySwatchKeepsTheColourChosen() {
        test::ShellSession shell;
        if (!shell.started) QSKIP("the real Level Editor files are not there");
        QColor before, after;
        QString title;
        auto pickColour = [&](QColor* seen, const QColor& chosen) {
            test::whenModalOpens([&, seen, chosen](QWidget* dialog) {
                chooseFilter(dialog, 4);  // Targa: the transparency colour is offered
                test::whenModalOpens([&, seen, chosen](QWidget* colours) {
                    auto* chooser = qobject_cast<QColorDialog*>(colours);
                    title = chooser->windowTitle();
                    *seen = chooser->currentColor();
                    chooser->setCurrentColor(chosen);
                    chooser->accept();
                });
                QPushButton* swatch = nullptr;
                for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                    if (button->accessibleName() == "Color") swatch = button;
                }
                QTest::mouseClick(swatch, Qt::LeftButton);
            });
            extractFromFile(shell);
        };
        pickColour(&before, Qt::red);
        pickColour(&after, Qt::blue);
        QCOMPARE(title, QStringLiteral("Input File Transparency Color"));
        QCOMPARE(before, QColor(255, 0, 255));
        QCOMPARE(after, QColor(Qt::red));
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::DialogsTest)
#include "dialogs_test.moc"
