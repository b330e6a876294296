// The Script menu on a copy of the bundled demo directory, where sets may be written.
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/support/shell_session.h"
#include "support/test_data.h"

namespace kavrin {

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace

class ScriptMenuTest : public QObject {
    Q_OBJECT

private:
    std::string demo;
    fs::path wads;
    std::unique_ptr<test::ShellSession> shell;

    QStringList occupiedNames() const {
        auto* list = shell->window->findChild<QTableView*>("kavrin_edit_list");
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            QModelIndex mark = list->model()->index(row, 0);
            if (!mark.data(Qt::DecorationRole).isNull()) {
                names << list->model()->index(row, 2).data().toString();
            }
        }
        return names;
    }

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
        std::string unexpected;
        for (const std::string& what : shell->unexpected)
            unexpected += what + "\n";
        shell.reset();
        fs::remove_all(demo);
        QVERIFY2(unexpected.empty(), unexpected.c_str());
    }

    void loadScriptPlacesItsObjectsAndSaveScriptWritesThemBack() {
        shell->files.push_back(FileChoice{(wads / "showcase.KVS").string(), 1});
        shell->menuItem("Script", "Load Script...")->trigger();
        QCOMPARE(shell->fileRequests.back().title, std::string("Load Script"));
        QCOMPARE(shell->window->windowTitle(), QStringLiteral("showcase - Kavrin v2.00"));
        QCOMPARE(occupiedNames().size(), 8);
        // The sources the script named are references now.
        auto* tree = shell->window->findChild<QTreeWidget*>("kavrin_ref_tree");
        QCOMPARE(tree->topLevelItemCount(), 2);

        fs::path again = fs::path(demo) / "again.KVS";
        shell->files.push_back(FileChoice{again.string(), 1});
        shell->menuItem("Script", "Save Script")->trigger();
        QCOMPARE(readFile(again), readFile(wads / "showcase.KVS"));

        // Nothing was saved: closing asks.
        shell->answers = {Button::Cancel};
        QVERIFY(!shell->window->close());
    }

    void buildWadFromScriptSavesTheSetBesideTheScriptAfterDroppingTheEditedWad() {
        shell->files.push_back(FileChoice{(wads / "showcase.KVS").string(), 1});
        shell->menuItem("Script", "Load Script...")->trigger();
        QStringList placed = occupiedNames();

        shell->answers = {Button::No};  // the loaded objects are not saved first
        shell->files.push_back(FileChoice{(wads / "showcase.KVS").string(), 1});
        shell->menuItem("Script", "Build Wad from Script...")->trigger();
        QCOMPARE(shell->messages.at(0).text, std::string("Save changes to showcase Wad?"));
        QCOMPARE(shell->messages.back().title, std::string("Wad Saved"));
        for (const char* extension : {".WAS", ".WAD", ".SWD", ".SFX", ".SAM"}) {
            QVERIFY2(fs::exists(wads / (std::string("showcase") + extension)), extension);
        }

        // The built set opens with the objects the script placed.
        shell->answers = {Button::No};
        shell->files.push_back(FileChoice{(wads / "showcase.WAS").string(), 1});
        shell->menuItem("File", "Open Wad for Editing...")->trigger();
        QCOMPARE(occupiedNames(), placed);
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::ScriptMenuTest)
#include "script_menu_test.moc"
