#include "app/calc/inverse_batch.h"

#include "app/calc/terminal_text.h"
#include "core/geodesic.h"
#include "core/line_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <thread>
#include <vector>

namespace qvk::calc {
namespace {

constexpr std::size_t kBlockSize = 4 << 20;
constexpr std::size_t kQuotedLength = 40;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string inQuotes(std::string_view text)
{
    return "'" + escapedForTerminal(text.substr(0, kQuotedLength)) + (text.size() > kQuotedLength ? "...'" : "'");
}

// Appends value with `decimals` decimals (value*10^decimals must fit 63 bits).
void appendFixed(std::string& out, long double value, int decimals)
{
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    long long scaled = std::llround(value * static_cast<long double>(scale));
    if (scaled < 0) {
        out += '-';
        scaled = -scaled;
    }
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, scaled / scale).ptr;
    out.append(digits, end);
    out += '.';
    end = std::to_chars(digits, digits + sizeof digits, scaled % scale).ptr;
    out.append(static_cast<std::size_t>(decimals) - static_cast<std::size_t>(end - digits), '0');
    out.append(digits, end);
}

bool parseField(std::string_view field, double& value)
{
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() && std::isfinite(value);
}

}  // namespace

std::string inverseLine(std::string_view line, std::string& error)
{
    if (line.size() > kLongestLine) {
        error = "too long";
        return {};
    }
    double numbers[4];
    int count = 0;
    for (std::size_t i = 0; i < line.size();) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && !isBlank(line[end])) ++end;
        const auto field = line.substr(i, end - i);
        if (count == 4) {
            error = "more than 4 numbers";
            return {};
        }
        if (!parseField(field, numbers[count])) {
            error = inQuotes(field) + " is not a number";
            return {};
        }
        ++count;
        i = end;
    }
    if (count < 4) {
        error = "expected 4 numbers (LAT1 LON1 LAT2 LON2), found " + std::to_string(count);
        return {};
    }
    for (int k : {0, 2})
        if (std::fabs(numbers[k]) > 90) {
            error = "latitude " + std::string(inQuotes(std::to_string(numbers[k]))) + " is beyond 90 degrees";
            return {};
        }
    for (int k : {1, 3})
        if (std::fabs(numbers[k]) > 180) {
            error = "longitude " + std::string(inQuotes(std::to_string(numbers[k]))) + " is beyond 180 degrees";
            return {};
        }

    const auto result = inverseGeodesic(numbers[0], numbers[1], numbers[2], numbers[3]);
    if (!result) return "fault\n";
    std::string out;
    appendFixed(out, result->bearing, 9);
    out += ' ';
    appendFixed(out, result->distance, 4);
    out += '\n';
    return out;
}

namespace {

struct Chunk {
    std::string_view text;  // whole lines
    long long firstLine = 0;
    std::string output;
    std::string errors;
};

void computeChunk(Chunk& chunk)
{
    long long number = chunk.firstLine;
    std::string error;
    for (std::size_t start = 0; start < chunk.text.size(); ++number) {
        auto end = chunk.text.find('\n', start);
        if (end == std::string_view::npos) end = chunk.text.size();
        error.clear();
        chunk.output += inverseLine(chunk.text.substr(start, end - start), error);
        if (!error.empty()) chunk.errors += "line " + std::to_string(number) + ": " + error + "\n";
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

void computeAll(std::vector<Chunk>& chunks)
{
    std::vector<std::thread> threads;
    for (std::size_t k = 1; k < chunks.size(); ++k) threads.emplace_back(computeChunk, std::ref(chunks[k]));
    if (!chunks.empty()) computeChunk(chunks[0]);
    for (auto& thread : threads) thread.join();
}

// False with run.writeError set when `out` takes less than all.
bool put(std::string_view bytes, std::FILE* out, InverseRun& run)
{
    if (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size()) return true;
    run.writeError = errno != 0 ? errno : EIO;
    return false;
}

// Reports go out as they may: where the error output fails, nothing is left to tell it.
void tell(std::string_view bytes, std::FILE* err) { std::fwrite(bytes.data(), 1, bytes.size(), err); }

}  // namespace

InverseRun runInverseBatch(std::FILE* in, std::FILE* out, std::FILE* err)
{
    const std::size_t workers = std::max(1u, std::thread::hardware_concurrency());
    InverseRun run;
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
            run.allParsed = false;
            tell("line " + std::to_string(nextLine++) + ": too long\n", err);
            skipping = false;
            start = end == std::string::npos ? buffer.size() : end + 1;
        }
        // a block ends at its last line end; the rest waits for the next block
        const auto lastEnd = buffer.rfind('\n');
        const std::size_t complete =
            atEnd ? buffer.size() : (lastEnd == std::string::npos || lastEnd < start ? start : lastEnd + 1);

        auto chunks = intoChunks(std::string_view(buffer).substr(start, complete - start), nextLine, workers);
        computeAll(chunks);
        bool written = true;
        for (const auto& chunk : chunks) {
            written = put(chunk.output, out, run);
            if (!written) break;
            tell(chunk.errors, err);
            run.allParsed = run.allParsed && chunk.errors.empty();
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

}  // namespace qvk::calc
