// What the program says about itself. Its pages are its user manual (framework/manual.h), which
// Help opens and the About box names; the project has no web site or e-mail address of its own.
#pragma once

namespace kavrin {

inline constexpr const char* PROGRAM_NAME = "Kavrin";
inline constexpr const char* PROGRAM_VERSION = "2.00";
inline constexpr const char* PROGRAM_COPYRIGHT = "Copyright (C) 2026 the Kavrin developers";

}  // namespace kavrin
