// Reading the program's files: in blocks, each line kept to its first
// kLongestLine bytes (or the reader's own bound) as it streams past, so that memory and time stay bounded
// by the file's size, never by its longest line.

#include "core/line_file.h"

#include "core/messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qvk {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf8DegreeSign = "\xC2\xB0";

// Gathers lines from blocks of bytes in file order.
class LineCollector {
public:
    explicit LineCollector(std::size_t longestLine) : longestLine_(longestLine) {}

    void feed(std::string_view block)
    {
        if (atStart_ && block.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            block.remove_prefix(kByteOrderMark.size());
        atStart_ = false;
        for (std::size_t i = 0; i < block.size() && !reading_.tooManyLines;) {
            if (afterCr_ && block[i] == '\n') {
                afterCr_ = false;
                ++i;
                continue;
            }
            afterCr_ = false;
            std::size_t end = i;
            while (end < block.size() && block[end] != '\r' && block[end] != '\n') ++end;
            keep(block.substr(i, end - i));
            if (end == block.size()) break;
            afterCr_ = block[end] == '\r';
            endLine();
            i = end + 1;
        }
    }

    // The file has given all the lines that are kept: the rest need not be read.
    bool full() const { return reading_.tooManyLines; }

    LineFileReading finish()
    {
        if (lineOpen_) endLine();
        reading_.status = LineFileReading::Status::Read;
        return std::move(reading_);
    }

private:
    void keep(std::string_view bytes)
    {
        if (bytes.empty() && !lineOpen_) {
            lineOpen_ = true;
            return;
        }
        lineOpen_ = true;
        const std::size_t room = longestLine_ - std::min(line_.size(), longestLine_);
        if (bytes.size() > room) cut_ = true;
        line_.append(bytes.substr(0, room));
    }

    void endLine()
    {
        if (reading_.lines.size() == kMostLines) {
            reading_.tooManyLines = true;
            return;
        }
        for (auto at = line_.find(kUtf8DegreeSign); at != std::string::npos; at = line_.find(kUtf8DegreeSign, at))
            line_.erase(at, 1);
        reading_.lines.push_back(std::move(line_));
        if (cut_) {
            if (reading_.cutLines++ == 0) reading_.firstCutLine = reading_.lines.size();
        }
        line_.clear();
        cut_ = false;
        lineOpen_ = false;
    }

    const std::size_t longestLine_;
    LineFileReading reading_;
    std::string line_;
    bool lineOpen_ = false;  // bytes of a line have begun (an empty line counts once its end comes)
    bool cut_ = false;
    bool afterCr_ = false;  // an LF right after a CR ends no line of its own
    bool atStart_ = true;
};

LineFileReading unreadable(std::string reason)
{
    LineFileReading reading;
    reading.status = LineFileReading::Status::Unreadable;
    reading.reason = std::move(reason);
    return reading;
}

}  // namespace

LineFileReading splitLineBytes(std::string_view bytes, std::size_t longestLine)
{
    LineCollector collector(longestLine);
    collector.feed(bytes);
    return collector.finish();
}

std::vector<std::string> splitLines(std::string_view bytes, std::size_t longestLine)
{
    return splitLineBytes(bytes, longestLine).lines;
}

LineFileReading readLineFile(const std::filesystem::path& path, std::size_t longestLine)
{
    // not blocking: a FIFO in a file's place must not stop the program until a writer comes
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return {};
        return unreadable(std::strerror(errno));
    }
    struct stat status {};
    const int statError = ::fstat(fd, &status) == 0 ? 0 : errno;
    if (statError != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        if (statError != 0) return unreadable(std::strerror(statError));
        // a folder, a FIFO or a device in the file's place
        return unreadable(S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "Not a regular file");
    }
    LineCollector collector(longestLine);
    std::string block(kBlockSize, '\0');
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return unreadable(std::strerror(error));
        }
        if (got == 0) break;
        collector.feed(std::string_view(block).substr(0, static_cast<std::size_t>(got)));
        if (collector.full()) break;
    }
    ::close(fd);
    return collector.finish();
}

std::optional<std::string> cutLinesMessage(std::string_view file, const LineFileReading& reading)
{
    std::string message;
    if (reading.cutLines > 0) {
        message = atLineMessage(file, reading.firstCutLine,
                                "longer than " + std::to_string(kLongestLine) + " characters; cut");
        if (const std::size_t more = reading.cutLines - 1; more > 0)
            message += " (and " + std::to_string(more) + (more == 1 ? " more line)" : " more lines)");
        message += ".";
    }
    if (reading.tooManyLines) {
        if (!message.empty()) message += " ";
        message += inFileMessage(file, "more than " + std::to_string(kMostLines) + " lines; the rest was not read.");
    }
    if (message.empty()) return std::nullopt;
    return message;
}

std::optional<std::string> readingMessage(std::string_view file, const LineFileReading& reading)
{
    switch (reading.status) {
    case LineFileReading::Status::Missing:
        return cannotOpenFileMessage(file);
    case LineFileReading::Status::Unreadable:
        return cannotReadFileMessage(file, reading.reason);
    case LineFileReading::Status::Read:
        break;
    }
    return cutLinesMessage(file, reading);
}

}  // namespace qvk
