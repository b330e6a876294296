#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

#include "framework/file_output.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_lines.h"
#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

std::string sep(const std::string& a, const std::string& b) { return a + PATH_SEPARATOR + b; }

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(Paths, JoinAddsOneSeparatorUnlessASideHasOneAndAnExtensionNeedsALastPartWithoutADot) {
    const struct {
        std::string path, part, joined;
    } joins[] = {{"dir", "name", sep("dir", "name")},
                 {sep("dir", ""), "name", sep("dir", "name")},
                 {"dir", sep("", "name"), sep("dir", "name")},
                 {sep("dir", ""), sep("", "name"), sep("dir", "") + sep("", "name")},
                 {"", "name", sep("", "name")}};
    for (const auto& join : joins) {
        std::string path = join.path;
        joinPath(path, join.part);
        EXPECT_EQ(path, join.joined);
    }
    std::string plain = sep("my.dir", "LARA");
    EXPECT_TRUE(appendExtension(plain, ".WAD"));
    EXPECT_EQ(plain, sep("my.dir", "LARA.WAD"));
    std::string dotted = sep("dir", "LARA.OLD");
    EXPECT_FALSE(appendExtension(dotted, ".WAD"));
    EXPECT_EQ(dotted, sep("dir", "LARA.OLD"));
}

TEST(FileRecords, MakeAndDeriveBuildPathsFromDirectoryNameAndExtension) {
    auto was = makeFileRecord(FILE_WAS, "wads", "tut1");
    EXPECT_EQ(was->path, sep("wads", "tut1.WAS"));
    EXPECT_EQ(was->filterIndex, 0u);
    auto dotted = makeFileRecord(FILE_WAD, "wads", "LARA.OLD");
    EXPECT_EQ(dotted->path, sep("wads", "LARA.OLD"));

    was->filterIndex = 2;
    auto wad = deriveFileRecord(*was, FILE_WAD);
    EXPECT_EQ(wad->type, FILE_WAD);
    EXPECT_EQ(wad->path, sep("wads", "tut1.WAD"));
    EXPECT_EQ(wad->directory, "wads");
    EXPECT_EQ(wad->name, "tut1");
    EXPECT_EQ(deriveFileRecord(*was, FILE_WAD, ".txt")->path, sep("wads", "tut1.txt"));

    was->buffer = {1, 2, 0};
    was->size = 2;
    deriveFileRecordInPlace(*was, FILE_LEVEL_REFERENCE);
    EXPECT_EQ(was->path, sep("wads", "tut1.tr4"));
    EXPECT_EQ(was->filterIndex, 0u);
    EXPECT_EQ(was->size, 2u);  // what it held stays
}

TEST(FileRecords, AnEmptyFileLoadsAsOneNulAndAMissingOneIsReportedWithItsCode) {
    std::string dir = test::makeTempDirectory("load");
    writeFile(sep(dir, "empty.SAM"), "");
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto record = makeFileRecord(FILE_BUILD_SCRIPT, dir, "empty.SAM");
    ASSERT_TRUE(loadFile(*record, context));
    EXPECT_EQ(record->size, 0u);
    EXPECT_EQ(record->buffer, std::vector<uint8_t>{0});
    EXPECT_TRUE(rec.messages.empty());

    auto missing = makeFileRecord(FILE_BUILD_SCRIPT, dir, "nothing");
    EXPECT_FALSE(loadFile(*missing, context));
    EXPECT_EQ(rec.onlyMessage().title, "Kavrin");
    EXPECT_EQ(rec.onlyMessage().text, "Unable to open " + missing->path + " for reading: 2");
    EXPECT_FALSE(missing->loaded());
}

TEST(FileRecords, PathsResolveWithoutRegardToLetterCase) {
    std::string dir = test::makeTempDirectory("case");
    fs::create_directories(sep(dir, "Graphics"));
    writeFile(sep(sep(dir, "Graphics"), "tut1.sam"), "foot01.wav\r\n");
    std::string spelled = sep(sep(dir, "graphics"), "TUT1.SAM");
    EXPECT_TRUE(pathExists(spelled));
    EXPECT_EQ(resolveExistingPath(spelled), sep(sep(dir, "Graphics"), "tut1.sam"));
    EXPECT_FALSE(pathExists(sep(dir, "tut2.sam")));

    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto record = makeFileRecord(FILE_BUILD_SCRIPT, sep(dir, "GRAPHICS"), "Tut1.Sam");
    ASSERT_TRUE(loadFile(*record, context));
    EXPECT_EQ(record->text(), "foot01.wav\r\n");
}

TEST(TextLines, LinesEndAtACarriageReturnWithAnOptionalLineFeed) {
    auto lines = [](std::string_view text) {
        std::vector<std::string> out;
        LineReader reader(text);
        for (std::string_view line; reader.next(line);) out.emplace_back(line);
        return out;
    };
    EXPECT_TRUE(lines("").empty());
    EXPECT_EQ(lines("a\r\nb\r\nc\r\n"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(lines("a\r\nb\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(lines("a\r\n\r\nc"), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(lines("a\rb\n\nc"), (std::vector<std::string>{"a", "b\n\nc"}));
    EXPECT_EQ(lines("a\nb\n"), (std::vector<std::string>{"a\nb\n"}));
}

TEST(FileOutput, ReplacesAFileWholeAndLeavesTheOldOneWhenItCannotWrite) {
    std::string dir = test::makeTempDirectory("out");
    std::string path = sep(dir, "set.SAM");
    test::RecordingUi rec;
    ASSERT_TRUE(writeFileReplacing(rec.ui, path, std::string_view("first\r\n")));
    ASSERT_TRUE(writeFileReplacing(rec.ui, path, std::string_view("second\r\n")));
    EXPECT_EQ(test::readBytes(path), "second\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    const uint8_t head[] = {'t', 'h'}, tail[] = {'r', 'd'};
    const std::span<const uint8_t> pieces[] = {head, {}, tail};
    ASSERT_TRUE(writeFileReplacing(rec.ui, path, pieces));
    EXPECT_EQ(test::readBytes(path), "thrd");

    std::string inMissingDirectory = sep(sep(dir, "absent"), "set.SAM");
    EXPECT_FALSE(writeFileReplacing(rec.ui, inMissingDirectory, std::string_view("x")));
    EXPECT_EQ(rec.onlyMessage().title, "Error Opening File");
    EXPECT_EQ(rec.onlyMessage().text, "Could not open " + inMissingDirectory + " for writing: 2.");
}

#ifndef _WIN32
// A write that fails half way (here: the file size limit, as a full disk would) is reported and
// the set already at the path stays as it was.
TEST(FileOutput, AFailedWriteIsReportedAndTheEarlierFileStaysWhole) {
    std::string dir = test::makeTempDirectory("full");
    std::string path = sep(dir, "set.WAD");
    writeFile(path, "earlier");
    auto writeUnderASizeLimit = [&path] {
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        test::RecordingUi rec;
        std::vector<uint8_t> bytes(1 << 16, 7);
        bool written = writeFileReplacing(rec.ui, path, bytes);
        bool reported = rec.messages.size() == 1 && rec.messages[0].title == "Error Writing File";
        std::exit(!written && reported ? 0 : 1);
    };
    EXPECT_EXIT(writeUnderASizeLimit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(test::readBytes(path), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}
#endif

}  // namespace
}  // namespace kavrin
