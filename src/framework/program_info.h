// What the program says about itself: its name and version, and where to find out more.
#pragma once

namespace kavrin {

inline constexpr const char* PROGRAM_NAME = "Kavrin";
inline constexpr const char* PROGRAM_VERSION = "2.00";
inline constexpr const char* PROGRAM_COPYRIGHT = "Copyright (C) 2026 the Kavrin developers";
inline constexpr const char* PROGRAM_HOMEPAGE = "https://kavrin.example.org/";
inline constexpr const char* PROGRAM_EMAIL = "kavrin@example.org";
inline constexpr const char* ONLINE_HELP_ADDRESS = "https://kavrin.example.org/help/";

}  // namespace kavrin
