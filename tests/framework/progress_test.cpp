#include <gtest/gtest.h>

#include "framework/ui.h"
#include "support/recording_ui.h"

namespace kavrin {
namespace {

TEST(Progress, OperationsBeforeTheFirstBeginShowNothing) {
    test::RecordingUi rec;
    progressStep(rec.ui, "a");
    progressSet(rec.ui, 5, "b");
    progressMark(rec.ui, "c");
    progressSub(rec.ui, 5, "d");
    progressEnd(rec.ui);
    EXPECT_TRUE(rec.progress.empty());
    EXPECT_FALSE(rec.ui.progress.made);
}

TEST(Progress, SetAdvancesByTheMagnitudeOfANegativePositionAndZeroOnlyChangesText) {
    test::RecordingUi rec;
    progressBegin(rec.ui, "Caption", 0, 100, 10, "start");
    progressSet(rec.ui, -1, nullptr);
    progressSet(rec.ui, -1, nullptr);
    EXPECT_EQ(rec.ui.progress.position, 2);
    progressSet(rec.ui, 0, "only text %d", 7);
    EXPECT_EQ(rec.ui.progress.position, 2);
    EXPECT_EQ(rec.ui.progress.text, "only text 7");
    progressSet(rec.ui, 40, nullptr);
    EXPECT_EQ(rec.ui.progress.position, 40);
    EXPECT_EQ(rec.ui.progress.text, "only text 7");
    progressStep(rec.ui, nullptr);
    EXPECT_EQ(rec.ui.progress.position, 50);
}

TEST(Progress, SubCountsFromTheMarkedBase) {
    test::RecordingUi rec;
    progressBegin(rec.ui, "Caption", 0, 530, 10, "start");
    progressSet(rec.ui, 100, nullptr);
    progressMark(rec.ui, "phase");
    progressSub(rec.ui, 50, nullptr);
    EXPECT_EQ(rec.ui.progress.position, 150);
    progressSub(rec.ui, 0, "text");
    EXPECT_EQ(rec.ui.progress.position, 150);
    progressSub(rec.ui, 20, nullptr);
    EXPECT_EQ(rec.ui.progress.position, 120);
    EXPECT_EQ(rec.ui.progress.base, 100);
}

TEST(Progress, BeginReusesTheWindowAndResetsRangeAndPosition) {
    test::RecordingUi rec;
    progressBegin(rec.ui, "One", 0, 10, 1, "first");
    progressStep(rec.ui, nullptr);
    progressEnd(rec.ui);
    EXPECT_FALSE(rec.ui.progress.visible);
    progressBegin(rec.ui, "Two %s", 5, 425, 50, "Reading %s.tr4", "title");
    EXPECT_TRUE(rec.ui.progress.visible);
    EXPECT_EQ(rec.ui.progress.caption, "Two %s");  // the caption is not a format
    EXPECT_EQ(rec.ui.progress.text, "Reading title.tr4");
    EXPECT_EQ(rec.ui.progress.position, 5);
    progressStep(rec.ui, nullptr);
    EXPECT_EQ(rec.ui.progress.position, 55);
}

TEST(Progress, TheBarStaysWithinItsRangeAndTextsAreCutAt255) {
    test::RecordingUi rec;
    progressBegin(rec.ui, "C", 0, 10, 4, "%s", std::string(300, 'x').c_str());
    EXPECT_EQ(rec.ui.progress.text.size(), 255u);
    for (int i = 0; i < 5; ++i) progressStep(rec.ui, nullptr);
    EXPECT_EQ(rec.ui.progress.position, 10);
}

TEST(Progress, AWindowThatCannotBeMadeIsReportedAndNeverShown) {
    test::RecordingUi rec;
    rec.ui.port.progressCreate = [] { return false; };
    progressBegin(rec.ui, "C", 0, 10, 1, "text");
    progressStep(rec.ui, "more");
    EXPECT_TRUE(rec.progress.empty());
    EXPECT_EQ(rec.onlyMessage().title, "Kavrin Internal Error");
    EXPECT_EQ(rec.onlyMessage().text, "Unable to load progress dialog!");
}

TEST(Messages, TextsAreFormattedIntoAtMost2079CharactersAndTheAnswerIsReturned) {
    test::RecordingUi rec;
    rec.answers.push_back(Button::Yes);
    Button answer = showMessage(rec.ui, MessageStyle::QuestionYesNo, "Kavrin", "%s and %d",
                                std::string(3000, 'a').c_str(), 5);
    EXPECT_EQ(answer, Button::Yes);
    EXPECT_EQ(rec.onlyMessage().text.size(), 2079u);
}

TEST(Messages, WithoutABackendTheSafeAnswerIsGiven) {
    Ui ui;
    EXPECT_EQ(showMessage(ui, MessageStyle::QuestionYesNo, "t", "q"), Button::No);
    EXPECT_EQ(showMessage(ui, MessageStyle::WarningYesNoCancel, "t", "q"), Button::Cancel);
    EXPECT_EQ(showMessage(ui, MessageStyle::ErrorOk, "t", "q"), Button::Ok);
}

TEST(CentreWindow, CentresOverTheParentAndKeepsTheWindowOnTheScreen) {
    WindowRect parent{100, 50, 800, 500};
    WindowPosition centred = centreWindow(200, 100, parent, 1920, 1080);
    EXPECT_EQ(centred.x, 400);
    EXPECT_EQ(centred.y, 250);
    // Odd differences truncate toward zero, also when negative.
    EXPECT_EQ(centreWindow(201, 101, {0, 0, 100, 100}, 1920, 1080).x, 0);
    // Near the right edge the window is pulled left until it meets the screen width.
    WindowPosition right = centreWindow(400, 100, {1700, 0, 200, 100}, 1920, 1080);
    EXPECT_EQ(right.x, 1520);
    // Wider than the screen: placed at 0.
    EXPECT_EQ(centreWindow(2500, 100, parent, 1920, 1080).x, 0);
    EXPECT_EQ(centreWindow(100, 2000, parent, 1920, 1080).y, 0);
}

}  // namespace
}  // namespace kavrin
