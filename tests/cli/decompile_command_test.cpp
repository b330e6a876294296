#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/synthetic_script.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

struct CliResult {
    int exitCode = -1;
    std::string out;
};

// Runs kavrin-cli with `arguments` in `directory`; stderr is dropped.
CliResult runCli(const std::string& directory, const std::string& arguments) {
    std::string command =
        "cd '" + directory + "' && '" KAVRIN_CLI_PATH "' " + arguments + " 2>/dev/null";
    CliResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char chunk[256];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        result.out.append(chunk, n);
    int status = pclose(pipe);
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
}

void writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

TEST(DecompileCommand, WritesBothTextsBesideTheInputsAndNamesThem) {
    fs::path directory = test::makeTempDirectory("cli-decompile");
    writeBytes(directory / "ENGLISH.DAT", test::buildLanguageFile({{"Cambodia, 1984"}, {}, {}}));
    test::SyntheticScript script;
    script.paths = {"DATA\\TUT1"};
    script.levelData = {0x81, 0, 0x00, 0x00, 0, 107};
    script.languageNames = std::string("ENGLISH.DAT\0", 12);
    writeBytes(directory / "SCRIPT.DAT", test::buildScriptFile(script));

    CliResult named = runCli(directory, "decompile ENGLISH.DAT SCRIPT.DAT");
    EXPECT_EQ(named.exitCode, 0);
    EXPECT_EQ(named.out, "./ENGLISH.txt\n./SCRIPT.txt\n");
    std::ifstream text(directory / "SCRIPT.txt", std::ios::binary);
    std::string scriptText(std::istreambuf_iterator<char>(text), {});
    EXPECT_TRUE(scriptText.ends_with("Name=\t\tCambodia, 1984\r\nLevel=\t\tDATA\\TUT1,107\r\n"))
        << scriptText;

    CliResult absolute = runCli("/", "decompile '" + (directory / "ENGLISH.DAT").string() + "' '" +
                                         (directory / "SCRIPT.DAT").string() + "'");
    EXPECT_EQ(absolute.exitCode, 0);
    EXPECT_EQ(absolute.out, (directory / "ENGLISH.txt").string() + "\n" +
                                (directory / "SCRIPT.txt").string() + "\n");
}

TEST(DecompileCommand, FailsOnAMissingFileAndOnBadUsage) {
    fs::path directory = test::makeTempDirectory("cli-decompile-fail");
    CliResult missing = runCli(directory, "decompile NONE.DAT SCRIPT.DAT");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(runCli(directory, "decompile ONLY.DAT").exitCode, 2);
    CliResult help = runCli(directory, "decompile --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("LANGUAGE"), std::string::npos);
}

}  // namespace
}  // namespace kavrin
