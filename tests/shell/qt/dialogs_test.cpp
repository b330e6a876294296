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
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>

#include "framework/file_types.h"
#include "shell/qt/qt_ui.h"
#include "shell/qt/support/shell_session.h"
#include "support/parsed_file.h"
#include "support/test_data.h"
#include "texture/extraction_settings.h"

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

// Whether the check box or label showing the text is visible in the dialog.
bool shown(QWidget* dialog, const QString& text) {
    QWidget* widget = withText<QCheckBox>(dialog, text);
    if (!widget) widget = withText<QLabel>(dialog, text);
    return widget && widget->isVisibleTo(dialog);
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
    auto* files = dialog->findChild<QFileSystemModel*>();
    (void)QTest::qWaitFor([&] { return files->index(file.absoluteFilePath()).isValid(); }, 5000);
    dialog->findChild<QListView*>(QStringLiteral("listView"))
        ->setCurrentIndex(files->index(file.absoluteFilePath()));
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

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesShowEachStyleAndReturnThePressedButton() {
        Ui ui;
        shell::QtUi backend(ui);
        QWidget owner;
        backend.setMainWindow(&owner);
        using Box = QMessageBox;
        const struct {
            MessageStyle style;
            Box::Icon icon;
            Box::StandardButtons buttons;
            Box::StandardButton press;  // NoButton: the box is closed with Escape
            Button expected;
        } cases[] = {
            {MessageStyle::ErrorOk, Box::Critical, Box::Ok, Box::Ok, Button::Ok},
            {MessageStyle::InformationOk, Box::Information, Box::Ok, Box::NoButton, Button::Ok},
            {MessageStyle::QuestionYesNo, Box::Question, Box::Yes | Box::No, Box::NoButton,
             Button::No},
            {MessageStyle::QuestionYesNoCancel, Box::Question, Box::Yes | Box::No | Box::Cancel,
             Box::Yes, Button::Yes},
            {MessageStyle::WarningYesNoCancel, Box::Warning, Box::Yes | Box::No | Box::Cancel,
             Box::NoButton, Button::Cancel},
        };
        for (const auto& c : cases) {
            QStringList seen;
            test::whenModalOpens([&](QWidget* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                if (!box || box->parentWidget() != &owner || box->icon() != c.icon ||
                    box->standardButtons() != c.buttons)
                    return;
                seen << box->windowTitle() << box->text();
                if (c.press == Box::NoButton) return QTest::keyClick(box, Qt::Key_Escape);
                QTest::mouseClick(box->button(c.press), Qt::LeftButton);
            });
            Button answer = showMessage(ui, c.style, "Kavrin", "<b>%s</b>\nline two", "tut1.WAS");
            QCOMPARE(answer, c.expected);
            // The text is shown as plain text, not as markup.
            QCOMPARE(seen, (QStringList{"Kavrin", "<b>tut1.WAS</b>\nline two"}));
        }
    }

    void theFileDialogOffersTheTypesFiltersAndReportsTheOneLeftChosen() {
        Ui ui;
        shell::QtUi backend(ui);
        std::string trle = test::realTrleDirectory();
        if (trle.empty()) QSKIP("the real Level Editor files are not there");
        std::string wads = (fs::path(trle) / "graphics" / "wads").string();

        // The WAS file is picked while the level filter is chosen: the filter is reported.
        QStringList seen;
        test::whenModalOpens([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            seen = files->nameFilters() << files->windowTitle();
            if (files->fileMode() != QFileDialog::ExistingFile) return;
            chooseFilter(files, 1);
            pickFile(files, (fs::path(wads) / "tut1.WAS").string());
            pressAccept(files);
        });
        std::optional<FileChoice> chosen = ui.port.chooseFile(
            {.title = "Load Reference File", .type = FILE_REFERENCE, .strict = true});
        QCOMPARE(seen, (QStringList{"Object WAD Script (.WAS) (*.WAS)",
                                    "Tomb Raider 4 Level (.tr4) (*.tr4)", "Load Reference File"}));
        QVERIFY(chosen && fs::equivalent(chosen->path, fs::path(wads) / "tut1.WAS"));
        QCOMPARE(chosen->filterIndex, 2u);

        // Saving: a typed name keeps its lack of an extension; strict asks before overwriting.
        std::string scratch = test::makeTempDirectory("save-dialog");
        test::whenModalOpens([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            if (files->testOption(QFileDialog::DontConfirmOverwrite) ||
                !files->defaultSuffix().isEmpty())
                return;
            files->setDirectory(QString::fromStdString(scratch));  // and the name typed
            QTest::keyClicks(files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                             "newset");
            pressAccept(files);
        });
        const FileDialogRequest save{
            .save = true, .title = "Save Wad As", .type = FILE_WAS, .strict = true};
        chosen = ui.port.chooseFile(save);
        QVERIFY(chosen);
        QCOMPARE(chosen->path, (fs::path(scratch) / "newset").string());
        QCOMPARE(chosen->filterIndex, 1u);
        test::whenModalOpens([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
        QVERIFY(!ui.port.chooseFile(save));
    }

    void theFolderPickerOffersOkOnlyWhereTheFileIs() {
        Ui ui;
        shell::QtUi backend(ui);
        std::string with = test::makeTempDirectory("with-objects");
        std::string without = test::makeTempDirectory("without-objects");
        std::ofstream(fs::path(with) / "objects.h") << "x";
        const FolderRequest request{
            "Location of objects.h", without,
            [](const std::string& folder) { return fs::exists(fs::path(folder) / "objects.h"); }};
        QList<bool> okEnabled;
        test::whenModalOpens([&](QWidget* dialog) {
            QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            okEnabled << bool(withText<QLabel>(dialog, "Location of objects.h")) << ok->isEnabled();
            auto* tree = dialog->findChild<QTreeView*>();
            auto* model = qobject_cast<QFileSystemModel*>(tree->model());
            tree->setCurrentIndex(model->index(QString::fromStdString(with)));
            okEnabled << ok->isEnabled();
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        std::optional<std::string> folder = ui.port.browseForFolder(request);
        QCOMPARE(okEnabled, (QList<bool>{true, false, true}));  // prompt shown, then OK
        QVERIFY(folder && fs::equivalent(*folder, with));
    }

    void theExtractionPanelShowsTheRowsOfTheChosenTypesAndKeepsTheChoices() {
        test::ShellSession shell;
        if (!shell.started) QSKIP("the real Level Editor files are not there");
        auto realDialog = shell.session.ui.port.chooseFile;
        shell.answerFromQueues();
        shell.session.ui.port.chooseFile = realDialog;
        std::string chosenFolder = test::makeTempDirectory("textures");
        QAction* extract = shell.menuItem("Texture", "Extract From File...");
        shell.recording.folderChoices = {chosenFolder};

        // The rows shown: each input's own options, RLE for Targa output, and the bump map only
        // for a level made into a Room Editor texture.
        auto visibleRows = [](QWidget* dialog) {
            QList<bool> rows;
            for (const char* text :
                 {"16 bit Texture", "Room Textures", "Byte Order", "None", "Transparency Color",
                  "RLE Compression", "Output Bumpmap File (.TBM)"})
                rows << shown(dialog, text);
            return rows;
        };
        auto rowsFor = [](uint32_t input, uint32_t output) {
            const QList<bool> inputRows[] = {{true, false, false, false, false},
                                             {false, true, false, false, false},
                                             {false, false, true, false, true},
                                             {false, false, false, true, false},
                                             {false, false, false, false, true}};
            return inputRows[input - INPUT_LEVEL] +
                   QList<bool>{output == OUTPUT_TARGA,
                               input == INPUT_LEVEL && output == OUTPUT_ROOM_EDITOR_TEXTURE};
        };
        auto outputType = [](QWidget* dialog) {
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                if (box->findText("Room Editor Texture (.tga)") >= 0) return box;
            }
            return static_cast<QComboBox*>(nullptr);
        };
        // Clicks the transparency swatch; the colour dialog opens with `seen` and takes `chosen`.
        auto pickColour = [&](QWidget* dialog, QColor& seen, const QColor& chosen) {
            test::whenModalOpens([&](QWidget* colours) {
                auto* chooser = qobject_cast<QColorDialog*>(colours);
                seen = chooser->currentColor();
                chooser->setCurrentColor(chosen);
                chooser->accept();
            });
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->accessibleName() == "Color") QTest::mouseClick(button, Qt::LeftButton);
            }
        };

        QStringList wrongRows;
        QColor firstColour, keptColour;
        bool stillOpen = false;
        test::whenModalOpens([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            // Every input with every output, the rows looked at after each change of either.
            auto check = [&](uint32_t input) {
                auto output = static_cast<uint32_t>(outputType(dialog)->currentIndex());
                if (visibleRows(dialog) != rowsFor(input, output))
                    wrongRows << QStringLiteral("input %1, output %2").arg(input).arg(output);
            };
            for (uint32_t input = INPUT_LEVEL; input <= INPUT_TARGA; ++input) {
                chooseFilter(dialog, static_cast<int>(input) - 1);
                check(input);
                for (int output = 0; output < int{OUTPUT_TYPE_NAMES.size()}; ++output) {
                    outputType(dialog)->setCurrentIndex(output);
                    check(input);
                }
            }
            pickColour(dialog, firstColour, Qt::red);  // Targa input offers the colour
            QTest::mouseClick(withText<QPushButton>(dialog, "Browse..."), Qt::LeftButton);
            // Extract on a chosen file writes its pages into the typed folder and the dialog stays
            // open for the next file.
            chooseFilter(dialog, INPUT_SPRITE_WAD - 1);
            withText<QCheckBox>(dialog, "RLE Compression")->click();
            pickFile(files, shell.realPath("graphics/wads/tut1.SWD"));
            pressAccept(files);
            stillOpen = files->isVisible();
            files->reject();
        });
        extract->trigger();
        QVERIFY2(wrongRows.isEmpty(), qPrintable(wrongRows.join(", ")));
        QCOMPARE(firstColour, QColor(255, 0, 255));
        QVERIFY(stillOpen);
        // A run-length encoded true-colour Targa, as the box asked.
        QCOMPARE(test::readBytes(chosenFolder + "/tut1-sprites-00.tga").at(2), '\x0A');

        // The next opening keeps the types, the folder and the colour.
        QList<bool> reopenedRows;
        QString outputDirectory;
        test::whenModalOpens([&](QWidget* dialog) {
            reopenedRows = visibleRows(dialog);
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->objectName() != "fileNameEdit") outputDirectory = edit->text();
            }
            chooseFilter(dialog, INPUT_TARGA - 1);
            pickColour(dialog, keptColour, Qt::blue);
        });
        extract->trigger();
        QCOMPARE(reopenedRows, rowsFor(INPUT_SPRITE_WAD, OUTPUT_TARGA));
        QCOMPARE(outputDirectory, QString::fromStdString(chosenFolder));
        QCOMPARE(keptColour, QColor(Qt::red));
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::DialogsTest)
#include "dialogs_test.moc"
