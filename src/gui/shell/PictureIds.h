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

// The phone-book page's buttons: in, out, disabled.
inline constexpr int kOpenIn = 379, kOpenOut = 319, kOpenDisabled = 336;                   // 105 x 18
inline constexpr int kSaveIn = 382, kSaveOut = 320, kSaveDisabled = 328;                   // 105 x 18
inline constexpr int kNewBookIn = 373, kNewBookOut = 313, kNewBookDisabled = 329;          // 117 x 18
inline constexpr int kReceiveIn = 380, kReceiveOut = 322, kReceiveDisabled = 331;          // 32 x 31
inline constexpr int kSendIn = 376, kSendOut = 316, kSendDisabled = 330;                   // 34 x 31
inline constexpr int kSyncIn = 383, kSyncOut = 323, kSyncDisabled = 337;                   // 32 x 33
inline constexpr int kImportExportIn = 377, kImportExportOut = 317, kImportExportDisabled = 327;  // 34 x 33
inline constexpr int kNewEntryIn = 378, kNewEntryOut = 318, kNewEntryDisabled = 335;       // 34 x 32
inline constexpr int kSelectAllIn = 381, kSelectAllOut = 321, kSelectAllDisabled = 332;    // 105 x 19
inline constexpr int kDeselectAllIn = 375, kDeselectAllOut = 315, kDeselectAllDisabled = 333;  // 105 x 19
inline constexpr int kDeleteIn = 374, kDeleteOut = 314, kDeleteDisabled = 334;             // 182 x 19

// The picture page's buttons: in, out, disabled.
inline constexpr int kPictureOpenIn = 211, kPictureOpenOut = 210;                                  // 105 x 19
inline constexpr int kPictureSaveIn = 213, kPictureSaveOut = 215, kPictureSaveDisabled = 221;      // 105 x 19
inline constexpr int kZoomInIn = 193, kZoomInOut = 192, kZoomInDisabled = 220;                     // 35 x 31
inline constexpr int kZoomOutIn = 196, kZoomOutOut = 198, kZoomOutDisabled = 222;                  // 35 x 31
inline constexpr int kRotateLeftIn = 201, kRotateLeftOut = 203, kRotateLeftDisabled = 225;         // 35 x 31
inline constexpr int kRotateRightIn = 200, kRotateRightOut = 202, kRotateRightDisabled = 226;      // 36 x 31
inline constexpr int kBrightnessIn = 204, kBrightnessOut = 206, kBrightnessDisabled = 224;         // 36 x 30
inline constexpr int kColorBalanceIn = 205, kColorBalanceOut = 207, kColorBalanceDisabled = 223;   // 36 x 30
}  // namespace picture
