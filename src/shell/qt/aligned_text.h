// Texts that start with a letter and a right-aligned number ("M  7", "S 12 ..."), shown so that
// the numbers line up in a proportional font.
#pragma once

#include <QString>
#include <string>

#include "framework/shown_text.h"

namespace kavrin::shell {

inline QString alignedNumberText(const std::string& text) {
    return QString::fromStdString(kavrin::alignedNumberText(text));
}

}  // namespace kavrin::shell
