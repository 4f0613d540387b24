#include "app/calc/line_batch.h"

#include "app/calc/exit_status.h"
#include "app/calc/standard_streams.h"
#include "app/calc/terminal_text.h"
#include "core/line_file.h"

#include <algorithm>
#include <cerrno>
#include <thread>
#include <vector>

namespace qvk::calc {
namespace {

constexpr std::size_t kBlockSize = 4 << 20;
constexpr std::string_view kTooLong = "too long";

// "line 12: ERROR\n", with whatever the error quotes from the input shown escaped.
void appendReport(std::string& reports, long long number, std::string_view error)
{
    reports += "line ";
    reports += std::to_string(number);
    reports += ": ";
    reports += escapedForTerminal(error);
    reports += '\n';
}

struct Chunk {
    std::string_view text;  // whole lines
    long long firstLine = 0;
    std::string output;
    std::string errors;
};

void computeChunk(Chunk& chunk, const LineBatch& batch)
{
    long long number = chunk.firstLine;
    std::string error;
    for (std::size_t start = 0; start < chunk.text.size(); ++number) {
        auto end = chunk.text.find('\n', start);
        if (end == std::string_view::npos) end = chunk.text.size();
        const std::string_view line = chunk.text.substr(start, end - start);
        error.clear();
        if (line.size() > kLongestLine) {
            chunk.output += batch.tooLongAnswer;
            error = kTooLong;
        } else {
            batch.answer(line, chunk.output, error);
        }
        if (!error.empty()) appendReport(chunk.errors, number, error);
        start = end + 1;
    }
}

// Splits whole lines into one chunk per worker, at line ends.
std::vector<Chunk> intoChunks(std::string_view lines, long long firstLine, std::size_t workers)
{
    std::vector<Chunk> chunks;
    std::size_t start = 0;
    for (std::size_t k = 1; k <= workers && start < lines.size(); ++k) {
        std::size_t end = lines.size();
        if (k < workers) {
            const auto lineEnd = lines.find('\n', std::max(start, lines.size() * k / workers));
            end = lineEnd == std::string_view::npos ? lines.size() : lineEnd + 1;
        }
        Chunk chunk;
        chunk.text = lines.substr(start, end - start);
        chunk.firstLine = firstLine;
        firstLine += std::count(chunk.text.begin(), chunk.text.end(), '\n');
        chunks.push_back(std::move(chunk));
        start = end;
    }
    return chunks;
}

void computeAll(std::vector<Chunk>& chunks, const LineBatch& batch)
{
    std::vector<std::thread> threads;
    for (std::size_t k = 1; k < chunks.size(); ++k)
        threads.emplace_back(computeChunk, std::ref(chunks[k]), std::cref(batch));
    if (!chunks.empty()) computeChunk(chunks[0], batch);
    for (auto& thread : threads) thread.join();
}

// False with run.writeError set when `out` takes less than all.
bool put(std::string_view bytes, std::FILE* out, LineBatchRun& run)
{
    if (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size()) return true;
    run.writeError = errno != 0 ? errno : EIO;
    return false;
}

// Reports go out as they may: where the error output fails, nothing is left to tell it.
void tell(std::string_view bytes, std::FILE* err) { std::fwrite(bytes.data(), 1, bytes.size(), err); }

}  // namespace

LineBatchRun runLineBatch(std::FILE* in, std::FILE* out, std::FILE* err, const LineBatch& batch)
{
    const std::size_t workers = std::max(1u, std::thread::hardware_concurrency());
    LineBatchRun run;
    // the unfinished last line of the previous block, then the new block: never more than a line and a block
    std::string buffer;
    long long nextLine = 1;
    bool skipping = false;  // in a line too long to keep, whose bytes are dropped up to its end
    for (bool atEnd = false; !atEnd;) {
        const std::size_t kept = buffer.size();
        buffer.resize(kept + kBlockSize);
        errno = 0;
        const std::size_t got = std::fread(buffer.data() + kept, 1, kBlockSize, in);
        buffer.resize(kept + got);
        if (std::ferror(in)) {
            run.readError = errno != 0 ? errno : EIO;
            break;
        }
        atEnd = got == 0;

        std::size_t start = 0;
        if (skipping) {
            const auto end = buffer.find('\n');
            if (end == std::string::npos && !atEnd) {
                buffer.clear();
                continue;
            }
            if (!put(batch.tooLongAnswer, out, run)) break;
            std::string report;
            appendReport(report, nextLine++, kTooLong);
            tell(report, err);
            run.allAnswered = false;
            skipping = false;
            start = end == std::string::npos ? buffer.size() : end + 1;
        }
        // a block ends at its last line end; the rest waits for the next block
        const auto lastEnd = buffer.rfind('\n');
        const std::size_t complete =
            atEnd ? buffer.size() : (lastEnd == std::string::npos || lastEnd < start ? start : lastEnd + 1);

        auto chunks = intoChunks(std::string_view(buffer).substr(start, complete - start), nextLine, workers);
        computeAll(chunks, batch);
        bool written = true;
        for (const auto& chunk : chunks) {
            written = put(chunk.output, out, run);
            if (!written) break;
            tell(chunk.errors, err);
            run.allAnswered = run.allAnswered && chunk.errors.empty();
        }
        if (!written) break;
        nextLine += std::count(buffer.begin() + static_cast<std::ptrdiff_t>(start),
                               buffer.begin() + static_cast<std::ptrdiff_t>(complete), '\n');
        buffer.erase(0, complete);
        if (buffer.size() > kLongestLine) {
            skipping = true;
            buffer.clear();
        }
    }
    errno = 0;
    if (run.writeError == 0 && std::fflush(out) != 0) run.writeError = errno != 0 ? errno : EIO;
    return run;
}

int runStandardLineBatch(const LineBatch& batch)
{
    if (const int error = standardInputError()) return inputFailed(error);
    const LineBatchRun run = runLineBatch(stdin, stdout, stderr, batch);
    if (run.writeError != 0) return outputFailed(run.writeError);
    if (run.readError != 0) return inputFailed(run.readError);
    return run.allAnswered ? kDone : kInvalidInput;
}

}  // namespace qvk::calc
