// The Script menu on a copy of the bundled demo directory, where sets may be written.
#include <QTest>
#include <filesystem>

#include "shell/qt/support/shell_session.h"
#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {

namespace fs = std::filesystem;

class ScriptMenuTest : public QObject {
    Q_OBJECT

private:
    std::string demo;
    fs::path wads;
    std::unique_ptr<test::ShellSession> shell;

private slots:
    void init() {
        demo = test::makeTempDirectory("demo");
        fs::copy(test::sourcePath("data/demo"), demo, fs::copy_options::recursive);
        wads = fs::path(demo) / "graphics" / "wads";
        shell = std::make_unique<test::ShellSession>(demo);
        QVERIFY(shell->started);
        shell->answerFromQueues();
        shell->window->show();
    }
    void cleanup() {
        std::string unexpected = shell->unexpected();
        shell.reset();
        QVERIFY2(unexpected.empty(), unexpected.c_str());
    }

    // Each item of the menu reaches its command; what the scripts do is for the core's tests.
    void loadSaveAndBuildFromScripts() {
        const std::string showcase = (wads / "showcase.KVS").string();
        const std::string again = demo + "/again.KVS";
        shell->recording.fileChoices = {FileChoice{showcase, 1}, FileChoice{again, 1},
                                        FileChoice{showcase, 1}};
        shell->menuItem("Script", "Load Script...")->trigger();
        QCOMPARE(shell->window->windowTitle(), QStringLiteral("showcase - Kavrin v2.00"));
        QCOMPARE(shell->occupiedNames().size(), 8);
        shell->menuItem("Script", "Save Script")->trigger();
        QCOMPARE(test::readBytes(again), test::readBytes(showcase));

        // Building starts from an empty edited WAD, after asking about the unsaved one.
        shell->recording.answers = {Button::No};
        shell->menuItem("Script", "Build Wad from Script...")->trigger();
        QCOMPARE(shell->recording.messages.back().title, std::string("Wad Saved"));
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::ScriptMenuTest)
#include "script_menu_test.moc"
