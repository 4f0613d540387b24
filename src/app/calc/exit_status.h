#pragma once
// qvk-calc's exit statuses, shared by the commands in their own files, and
// the two reports that end a command early.

#include <string>

namespace qvk::calc {

inline constexpr int kDone = 0;
inline constexpr int kInvalidInput = 1;
inline constexpr int kInvalidClockOffset = 2;
inline constexpr int kRotatorFailed = 3;
inline constexpr int kUsageError = 64;         // EX_USAGE of sysexits.h
inline constexpr int kInputOutputFailed = 74;  // EX_IOERR of sysexits.h

// "qvk-calc: PROBLEM" and the pointer to --help on standard error; kUsageError.
int usageError(const std::string& problem);

// The program's own text (Windows-1252, such as a warning of the angle
// notation) on standard error as UTF-8; kInvalidInput.
int invalidInput(const std::string& programText);

}  // namespace qvk::calc
