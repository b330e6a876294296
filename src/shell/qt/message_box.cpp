#include "shell/qt/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace kavrin::shell {

namespace {

struct StyleLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;  // the answer of a box closed without a button
};

StyleLook lookOf(MessageStyle style) {
    switch (style) {
        case MessageStyle::WarningOk:
            return {QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok};
        case MessageStyle::InformationOk:
            return {QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok};
        case MessageStyle::QuestionYesNo:
            return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
        case MessageStyle::QuestionYesNoCancel:
            return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QMessageBox::Cancel};
        case MessageStyle::WarningYesNoCancel:
            return {QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QMessageBox::Cancel};
        case MessageStyle::ErrorOk:
            break;
    }
    return {QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok};
}

Button buttonOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return Button::Yes;
        case QMessageBox::No:
            return Button::No;
        case QMessageBox::Cancel:
            return Button::Cancel;
        default:
            return Button::Ok;
    }
}

}  // namespace

Button showMessageBox(QWidget* owner, MessageStyle style, const QString& title,
                      const QString& text) {
    StyleLook look = lookOf(style);
    QMessageBox box(look.icon, title, text, look.buttons, owner);
    // Paths and labels are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(look.escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return buttonOf(clicked ? box.standardButton(clicked) : look.escape);
}

}  // namespace kavrin::shell
