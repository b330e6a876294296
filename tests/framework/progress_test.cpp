#include <gtest/gtest.h>

#include "framework/ui.h"
#include "support/recording_ui.h"

namespace kavrin {
namespace {

TEST(Progress, PositionsFollowSetStepAndSubWithinTheRange) {
    test::RecordingUi rec;
    progressStep(rec.ui, "before any begin");
    EXPECT_TRUE(rec.progress.empty());

    const ProgressState& shown = rec.ui.progress;
    progressBegin(rec.ui, "Caption %s", 0, 530, 10, "Reading %s.tr4", "title");
    EXPECT_EQ(shown.caption + "|" + shown.text, "Caption %s|Reading title.tr4");  // no format
    progressSet(rec.ui, -1, nullptr);  // a negative position advances by its magnitude
    progressSet(rec.ui, -1, nullptr);
    progressSet(rec.ui, 0, "only text %d", 7);
    EXPECT_EQ(shown.text + " at " + std::to_string(shown.position), "only text 7 at 2");
    progressSet(rec.ui, 100, nullptr);
    progressMark(rec.ui, "phase");
    progressSub(rec.ui, 50, nullptr);  // counted from the marked base
    progressSub(rec.ui, 20, nullptr);
    EXPECT_EQ(shown.position, 120);
    progressStep(rec.ui, nullptr);
    EXPECT_EQ(shown.position, 130);

    progressBegin(rec.ui, "C", 0, 10, 4, "%s", std::string(300, 'x').c_str());
    EXPECT_EQ(shown.text.size(), 255u);
    for (int i = 0; i < 5; ++i)
        progressStep(rec.ui, nullptr);
    EXPECT_EQ(shown.position, 10);
}

TEST(Progress, AWindowThatCannotBeMadeIsReportedAndNeverShown) {
    test::RecordingUi rec;
    rec.ui.port.progressCreate = [] { return false; };
    progressBegin(rec.ui, "C", 0, 10, 1, "text");
    progressStep(rec.ui, "more");
    EXPECT_TRUE(rec.progress.empty());
    EXPECT_EQ(rec.onlyMessage().text, "Unable to load progress dialog!");
}

TEST(Messages, TextsAreCutAt2079CharactersAndWithoutABackendTheSafeAnswerIsGiven) {
    test::RecordingUi rec;
    rec.answers.push_back(Button::Yes);
    EXPECT_EQ(showMessage(rec.ui, MessageStyle::QuestionYesNo, "Kavrin", "%s and %d",
                          std::string(3000, 'a').c_str(), 5),
              Button::Yes);
    EXPECT_EQ(rec.onlyMessage().text.size(), 2079u);
    Ui ui;
    EXPECT_EQ(showMessage(ui, MessageStyle::QuestionYesNo, "t", "q"), Button::No);
    EXPECT_EQ(showMessage(ui, MessageStyle::WarningYesNoCancel, "t", "q"), Button::Cancel);
}

TEST(CentreWindow, CentresOverTheParentAndKeepsTheWindowOnTheScreen) {
    const WindowRect parent{100, 50, 800, 500};
    auto at = [](WindowPosition placed) { return std::pair{placed.x, placed.y}; };
    EXPECT_EQ(at(centreWindow(200, 100, parent, 1920, 1080)), std::pair(400, 250));
    EXPECT_EQ(at(centreWindow(201, 101, {0, 0, 100, 100}, 1920, 1080)), std::pair(0, 0));
    EXPECT_EQ(at(centreWindow(400, 100, {1700, 0, 200, 100}, 1920, 1080)), std::pair(1520, 0));
    EXPECT_EQ(at(centreWindow(2500, 2000, parent, 1920, 1080)), std::pair(0, 0));
}

}  // namespace
}  // namespace kavrin
