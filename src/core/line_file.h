#pragma once
// The program's files as lists of lines: read whole, written whole.
//
// A line ends at CR, LF or CR LF, and a last line without its end counts.
// Lines are written with CR LF.
//
// Reading is bounded, whatever a file holds. The longest entry of any of the
// program's files is a few hundred bytes (a DXCC entry is 103, a settings
// line a few dozen), so a line is kept to its first kLongestLine bytes and a
// file to its first kMostLines lines: a damaged or hostile file of gigabytes
// costs a moment and a few megabytes, never a frozen window. 4 KiB is ten
// times the longest real entry and still far below a text box's 32,767
// characters, so no box ever cuts a text that came from a file (see
// kTextBoxLimit). Whatever was cut is reported, so that the reader can say so.
// The country file, whose alias lists fill lines of tens of kilobytes, passes
// its own bound on a line and is bounded as a whole instead.
//
// Files edited in a UTF-8 editor are read as if they were Windows-1252: the
// UTF-8 degree sign (C2 B0) reads as the byte B0 and a UTF-8 byte-order mark
// at the start is skipped. Everything else passes as bytes.
//
// Settings files are written atomically, through a temporary file with a name
// of its own beside the target, renamed over it: a crash or a full disk never
// leaves a half-written file, and two copies of the program saving at once
// each leave a whole file (the last one wins). A symlinked file is written
// through the link to its target, and the target keeps its permissions. A
// file its owner made read-only is not replaced.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvk {

inline constexpr std::size_t kLongestLine = 4096;
inline constexpr std::size_t kMostLines = 100'000;
// The most characters a window's text box holds (Qt's QLineEdit default).
inline constexpr std::size_t kTextBoxLimit = 32767;
static_assert(kLongestLine < kTextBoxLimit, "a line read from a file must fit a text box whole");

struct LineFileReading {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::vector<std::string> lines;
    std::string reason;            // the system's reason when Unreadable ("Permission denied")
    std::size_t firstCutLine = 0;  // number (from 1) of the first line cut at kLongestLine; 0: none
    std::size_t cutLines = 0;      // how many lines were cut
    bool tooManyLines = false;     // lines after the kMostLines-th were left unread

    bool read() const { return status == Status::Read; }
};

// The lines of bytes held in memory, bounded and converted as a file's are.
LineFileReading splitLineBytes(std::string_view bytes, std::size_t longestLine = kLongestLine);
std::vector<std::string> splitLines(std::string_view bytes, std::size_t longestLine = kLongestLine);

// A missing file is Missing; one that exists but cannot be opened or read (no
// permission, a folder, a device) is Unreadable with the system's reason.
LineFileReading readLineFile(const std::filesystem::path& path, std::size_t longestLine = kLongestLine);

// The one message about what reading cut short, naming the file and line
// ("/home/op/AL.txt, line 12: longer than 4096 characters; cut"); nullopt
// when nothing was cut. `file` is the name the operator knows the file by.
std::optional<std::string> cutLinesMessage(std::string_view file, const LineFileReading& reading);

// The one message about a reading of a file the program needs: "Cannot open
// file PATH." when it is missing, "Cannot read file PATH: REASON." when the
// system refused it, or what was cut short; nullopt when it was read whole.
std::optional<std::string> readingMessage(std::string_view file, const LineFileReading& reading);

struct SaveOutcome {
    bool saved = false;
    std::string reason;  // the system's reason when not saved ("Permission denied", "No space left on device")

    explicit operator bool() const { return saved; }
};

// Why a save of the file would be refused before it starts: it is read-only
// (for everyone, or for this user), a folder is in its place, or its links
// run in a loop; nullopt when a save may be tried.
std::optional<std::string> saveRefusal(const std::filesystem::path& path);

// Replaces the file (or a symlink's target) with the lines. When not saved,
// the old file is untouched and no temporary file is left behind. A file that
// exists but may not be written by this user is not replaced.
SaveOutcome writeLinesAtomically(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Removes what saves of these files left when a copy of the program was
// killed in the middle of one; a save still running (in any process) is left
// alone. Run at start-up, before the first save.
void removeAbandonedSaves(const std::vector<std::filesystem::path>& files);

}  // namespace qvk
