// kavrin: the desktop program. Its only argument names the Level Editor directory.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <string>

#include "editing/session.h"
#include "editing/start_up.h"
#include "framework/program_info.h"
#include "shell/qt/icons.h"
#include "shell/qt/main_window.h"
#include "shell/qt/qt_ui.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kavrin::PROGRAM_NAME);
    QApplication::setApplicationVersion(kavrin::PROGRAM_VERSION);
    QApplication::setWindowIcon(kavrin::shell::programIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Builds object WAD sets for the Tomb Raider 4 Level Editor from other sets and levels."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("LEVEL_EDITOR_DIR"),
        QStringLiteral("The Level Editor directory, which holds objects.h (default: the usual "
                       "installation folder)."),
        QStringLiteral("[LEVEL_EDITOR_DIR]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1) parser.showHelp(2);

    // Made absolute: the WAD directory below it becomes the current directory.
    std::optional<std::string> trle;
    if (!parser.positionalArguments().isEmpty()) {
        QString given = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
        trle = QDir::toNativeSeparators(QDir::cleanPath(given)).toStdString();
    }

    kavrin::Session session;
    kavrin::shell::QtUi ui(session.ui);
    if (!kavrin::startSession(session, trle ? &*trle : nullptr)) return 0;
    kavrin::shell::MainWindow window(session, ui);
    window.show();
    return QApplication::exec();
}
