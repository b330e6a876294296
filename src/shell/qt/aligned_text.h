// Texts that start with a letter and a right-aligned number ("M  7", "S 12 ..."), shown so that
// the numbers line up in a proportional font.
#pragma once

#include <QString>
#include <string>

namespace kavrin::shell {

// The blanks that pad the number become figure spaces, which are as wide as a digit.
inline QString alignedNumberText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    for (qsizetype i = 1; i < shown.size() && i < 4 && shown[i] == u' '; ++i) {
        shown[i] = QChar(0x2007);
    }
    return shown;
}

}  // namespace kavrin::shell
