#pragma once

#include <cstdint>

// The result of a modal display.
using TModalResult = std::int32_t;

inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2; // also the close box
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
