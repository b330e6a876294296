// The preview pane in the main window: it shows what the tree or the list selected, plays
// animations from its box and button, orbits on a drag and zooms on the wheel.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "editing/reference_collection.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "shell/qt/preview_pane.h"
#include "shell/qt/support/shell_session.h"

namespace kavrin {

class PreviewPaneTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ShellSession> shell;
    shell::PreviewPane* pane() const { return shell->window->findChild<shell::PreviewPane*>(); }
    QComboBox* animations() const { return pane()->findChild<QComboBox*>(); }
    QPushButton* play() const { return pane()->findChild<QPushButton*>(); }
    // How many pixels of the pane show something other than its ground.
    int drawnPixels() const {
        QImage image = pane()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb ground = image.pixel(1, 1);
        int drawn = 0;
        for (int y = 0; y < image.height() / 2; ++y) {
            for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != ground;
        }
        return drawn;
    }

private slots:
    void init() {
        shell = std::make_unique<test::ShellSession>();
        if (!shell->started) QSKIP("the real Level Editor files are not there");
        shell->answerFromQueues();
        shell->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(shell->window.get()));
    }
    void cleanup() { shell.reset(); }

    void showsTheSelectionOfTheTreeOrTheListAndPlaysItsAnimations() {
        QVERIFY(pane());
        QCOMPARE(drawnPixels(), 0);
        QVERIFY(!play()->isEnabled());
        loadWadSetReference(shell->session,
                            *makeFileRecord(FILE_WAS, shell->session.wadDirectory, "tut1"));
        QTreeWidget* tree = shell->tree();
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));  // LARA
        QCOMPARE(animations()->count(), 445);
        QVERIFY(drawnPixels() > 1000);

        animations()->setCurrentIndex(103);
        emit animations()->activated(103);
        QCOMPARE(pane()->state().animation, 103u);
        QVERIFY(pane()->findChild<QLabel*>()->text().startsWith(QStringLiteral("Frame 1 of ")));
        QTest::mouseClick(play(), Qt::LeftButton);
        QTRY_VERIFY(pane()->state().frame >= 2.0);
        QCOMPARE(play()->text().remove(u'&'), QStringLiteral("Pause"));
        QTest::mouseClick(play(), Qt::LeftButton);

        const double yaw = pane()->state().yaw;
        QTest::mousePress(pane(), Qt::LeftButton, {}, QPoint(50, 50));
        QMouseEvent drag(QEvent::MouseMove, QPointF(90, 60), pane()->mapToGlobal(QPointF(90, 60)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(pane(), &drag);
        QVERIFY(pane()->state().yaw != yaw);
        QWheelEvent wheel(QPointF(50, 50), pane()->mapToGlobal(QPointF(50, 50)), {}, {0, 240},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane(), &wheel);
        QVERIFY(pane()->state().zoom > 1.2);

        // A static mesh from the list: no animations. A source's root: nothing.
        tree->setCurrentItem(tree->topLevelItem(0)->child(121));
        shell->recording.answers = {Button::Yes};
        addToEditedList();
        QCOMPARE(animations()->count(), 0);
        QVERIFY(!play()->isEnabled());
        QVERIFY(drawnPixels() > 100);
        tree->setCurrentItem(tree->topLevelItem(0));
        QCOMPARE(drawnPixels(), 0);
    }

private:
    void addToEditedList() {
        for (QPushButton* button : shell->window->findChildren<QPushButton*>()) {
            if (button->text().remove(u'&') == "Add >>") QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(pane()->state().entry == shell->session.edited.slotTable[selectedSlotOf()]);
    }
    uint32_t selectedSlotOf() const {
        return shell->session.edited.rows.at(
            static_cast<size_t>(shell->session.edited.selectedRow));
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::PreviewPaneTest)
#include "preview_pane_test.moc"
