#pragma once
// One of the program's settings files ("prefs.qvk", "tms.qvk", "rotator.qvk")
// as the program keeps it between reading it at start and writing it back.
//
// The operator's settings are never lost to a file the program could not
// read: a file that exists but cannot be read (no permission, a folder in its
// place) is reported with the system's reason, the program runs with its
// defaults, and the file is then "not to be saved": it is left exactly as it
// is. So is a read-only file, the operator's way of freezing the settings.
// Saving a file that is not to be saved says so once, and only when the
// settings to be saved differ from those the program started with.
//
// Messages are one line each and name the file by its path, as the system
// spells it.

#include "core/line_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qvk {

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    struct Reading {
        LineFileReading::Status status = LineFileReading::Status::Missing;
        std::vector<std::string> lines;      // bounded and converted as readLineFile does
        std::optional<std::string> message;  // to show once: the file could not be read, or a line was cut

        // Otherwise there are no lines: run with the defaults.
        bool found() const { return status == LineFileReading::Status::Read; }
    };
    // A missing file comes without a message: what a first start means is
    // each caller's own business.
    Reading read();

    bool toBeSaved() const { return !notSavedBecause_; }

    // The lines that the settings as read (or the defaults) write: saving
    // exactly these is no change.
    void setUnchangedLines(std::vector<std::string> lines) { unchangedLines_ = std::move(lines); }

    // Writes the lines atomically, unless the file is not to be saved. The
    // message to show, if any: why the save failed, or, once, that changed
    // settings are not saved.
    std::optional<std::string> save(const std::vector<std::string>& lines);

private:
    std::filesystem::path path_;
    std::optional<std::string> notSavedBecause_;  // "could not be read (Permission denied)", "is read-only"
    std::optional<std::vector<std::string>> unchangedLines_;
    bool toldNotSaved_ = false;
};

}  // namespace qvk
