// Saving the program's settings files atomically.
//
// Each save writes a temporary file of its own, "prefs.qvk.new-" and six
// random characters, created exclusively beside the file it replaces, and
// holds an advisory lock on it until it has been renamed into place. The lock
// is how the clean-up at start tells a save that is still running (locked)
// from one whose process was killed (the kernel dropped its lock); a save that
// finds its temporary file taken away by the clean-up simply starts again.

#include "core/line_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace qvk {
namespace {

constexpr std::string_view kTemporaryMark = ".new-";
constexpr std::size_t kRandomCharacters = 6;
// the fixed temporary name of earlier versions, which two copies could share
constexpr std::string_view kOldTemporarySuffix = ".new";
constexpr int kMostLinks = 40;  // as the kernel follows them
constexpr int kMostAttempts = 100;

// The file a path stands for once its symlinks are followed; a dangling link
// stands for the file it names. nullopt for a loop of links.
std::optional<std::filesystem::path> linkTarget(std::filesystem::path path)
{
    for (int link = 0; link < kMostLinks; ++link) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) return path;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

std::string randomCharacters()
{
    static constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < kRandomCharacters; ++i) text += kAlphabet[pick(generator)];
    return text;
}

bool isTemporaryOf(const std::string& name, const std::string& base)
{
    if (name == base + std::string(kOldTemporarySuffix)) return true;
    const std::string prefix = base + std::string(kTemporaryMark);
    return name.size() == prefix.size() + kRandomCharacters && name.compare(0, prefix.size(), prefix) == 0;
}

SaveOutcome notSaved(int error) { return {false, std::strerror(error)}; }

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// A new, empty temporary file beside `target`, locked; -1 with errno set when none can be made.
int createLockedTemporary(const std::filesystem::path& target, std::filesystem::path& temporary)
{
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        temporary = target.string() + std::string(kTemporaryMark) + randomCharacters();
        // 0666 less the umask, as any new file gets
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        struct stat status {};
        // the clean-up of another copy may have removed it before the lock was ours
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &status) == 0 && status.st_nlink > 0) return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// The error that refuses a save of the file `target` (links followed), or 0.
int refusal(const std::filesystem::path& target, struct stat& existing, bool& exists)
{
    exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists) return 0;
    if (S_ISDIR(existing.st_mode)) return EISDIR;
    // renaming over a read-only file would go round what its owner wanted
    if ((existing.st_mode & 0222) == 0) return EACCES;
    return ::access(target.c_str(), W_OK) == 0 ? 0 : errno;
}

}  // namespace

std::optional<std::string> saveRefusal(const std::filesystem::path& path)
{
    const auto target = linkTarget(path);
    if (!target) return std::strerror(ELOOP);
    struct stat existing {};
    bool exists = false;
    if (const int error = refusal(*target, existing, exists)) return std::strerror(error);
    return std::nullopt;
}

SaveOutcome writeLinesAtomically(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    const auto found = linkTarget(path);
    if (!found) return notSaved(ELOOP);
    const std::filesystem::path& target = *found;
    struct stat existing {};
    bool exists = false;
    if (const int error = refusal(target, existing, exists)) return notSaved(error);

    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";

    std::filesystem::path temporary;
    const int fd = createLockedTemporary(target, temporary);
    if (fd < 0) return notSaved(errno);
    const bool written = (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0) && writeAll(fd, bytes) &&
                         ::fsync(fd) == 0 && std::rename(temporary.c_str(), target.c_str()) == 0;
    const int error = errno;
    if (!written) ::unlink(temporary.c_str());
    // closing drops the lock, only now that the temporary name is gone
    ::close(fd);
    return written ? SaveOutcome{true, {}} : notSaved(error);
}

void removeAbandonedSaves(const std::vector<std::filesystem::path>& files)
{
    for (const auto& file : files) {
        const auto target = linkTarget(file);
        if (!target) continue;
        const std::filesystem::path folder = target->has_parent_path() ? target->parent_path() : ".";
        const std::string base = target->filename().string();
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (!isTemporaryOf(entry.path().filename().string(), base)) continue;
            const int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
            if (fd < 0) continue;
            struct stat opened {
            }, named{};
            // locked: a save is running; unlocked, its writer is gone
            if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                ::lstat(entry.path().c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
                named.st_dev == opened.st_dev)
                ::unlink(entry.path().c_str());
            ::close(fd);
        }
    }
}

}  // namespace qvk
