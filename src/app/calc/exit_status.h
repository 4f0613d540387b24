#pragma once
// qvk-calc's exit statuses, shared by the commands in their own files.

namespace qvk::calc {

inline constexpr int kDone = 0;
inline constexpr int kInvalidInput = 1;
inline constexpr int kInvalidClockOffset = 2;
inline constexpr int kRotatorFailed = 3;
inline constexpr int kUsageError = 64;         // EX_USAGE of sysexits.h
inline constexpr int kInputOutputFailed = 74;  // EX_IOERR of sysexits.h

}  // namespace qvk::calc
