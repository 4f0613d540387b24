#include "settings/settings_file.h"

#include "core/messages.h"

namespace qvk {

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

SettingsFile::Reading SettingsFile::read()
{
    LineFileReading file = readLineFile(path_);
    Reading reading;
    reading.status = file.status;
    switch (file.status) {
    case LineFileReading::Status::Missing:
        break;
    case LineFileReading::Status::Unreadable:
        notSavedBecause_ = "could not be read (" + file.reason + ")";
        reading.message = cannotReadFileMessage(path_.string(), file.reason) +
                          " The program runs with its defaults and leaves the file as it is.";
        break;
    case LineFileReading::Status::Read:
        reading.message = cutLinesMessage(path_.string(), file);
        reading.lines = std::move(file.lines);
        if (const auto refusal = saveRefusal(path_)) notSavedBecause_ = "cannot be written (" + *refusal + ")";
        break;
    }
    return reading;
}

std::optional<std::string> SettingsFile::save(const std::vector<std::string>& lines)
{
    if (notSavedBecause_) {
        if (toldNotSaved_ || (unchangedLines_ && lines == *unchangedLines_)) return std::nullopt;
        toldNotSaved_ = true;
        return "Settings changed in this run are not saved: " + path_.string() + " " + *notSavedBecause_ + ".";
    }
    const SaveOutcome outcome = writeLinesAtomically(path_, lines);
    if (outcome) return std::nullopt;
    return cannotCreateFileMessage(path_.string(), outcome.reason);
}

}  // namespace qvk
