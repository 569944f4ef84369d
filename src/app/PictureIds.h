#pragma once

// The program's pictures, by the numbers the windows refer to them with. Sizes are in pixels.
namespace picture {
inline constexpr int kMainBackground = 255;       // 638 x 600
inline constexpr int kWelcomeBackground = 288;    // 638 x 435, as every page background
inline constexpr int kImageBackground = 256;
inline constexpr int kPhonebookBackground = 269;
inline constexpr int kWelcomeTabIn = 287;         // 112 x 19
inline constexpr int kWelcomeTabOut = 286;
inline constexpr int kImageTabIn = 266;           // 113 x 19
inline constexpr int kImageTabOut = 261;
inline constexpr int kPhonebookTabIn = 270;       // 114 x 19
inline constexpr int kPhonebookTabOut = 271;
inline constexpr int kHelpIn = 209;               // 62 x 28
inline constexpr int kHelpOut = 214;
inline constexpr int kWebLinkIn = 290;            // 387 x 33
inline constexpr int kWebLinkOut = 291;
inline constexpr int kHandsetConnected = 349;     // 31 x 11
inline constexpr int kNoHandset = 348;
inline constexpr int kProgramIcon = 150;
}  // namespace picture
