// The program keeps its texts in UTF-8; Windows' own functions take UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kavrin::win32 {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

// A window's or control's text in UTF-8.
std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view text);

}  // namespace kavrin::win32
