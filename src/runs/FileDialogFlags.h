#pragma once

#include <cstdint>

// The file dialog's option constants, as the platform's open-file options define them.
namespace FileDialogFlags {
constexpr int32_t cdlOFNOverwritePrompt = 2;
constexpr int32_t cdlOFNFileMustExist = 0x1000;
}  // namespace FileDialogFlags
