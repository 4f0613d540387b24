#include "app/calc/inverse_batch.h"

#include "core/geodesic.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <thread>
#include <vector>

namespace qvk::calc {
namespace {

constexpr std::size_t kBlockSize = 4 << 20;
constexpr std::size_t kQuotedLength = 40;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string quoted(std::string_view text)
{
    std::string quoted(1, '\'');
    quoted += text.substr(0, kQuotedLength);
    quoted += text.size() > kQuotedLength ? "...'" : "'";
    return quoted;
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
            error = quoted(field) + " is not a number";
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
            error = "latitude " + std::string(quoted(std::to_string(numbers[k]))) + " is beyond 90 degrees";
            return {};
        }
    for (int k : {1, 3})
        if (std::fabs(numbers[k]) > 540) {
            error = "longitude " + std::string(quoted(std::to_string(numbers[k]))) + " is beyond 540 degrees";
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
std::vector<Chunk> splitLines(std::string_view lines, long long firstLine, std::size_t workers)
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

}  // namespace

bool runInverseBatch(std::FILE* in, std::FILE* out, std::FILE* err)
{
    const std::size_t workers = std::max(1u, std::thread::hardware_concurrency());
    std::string buffer;
    long long nextLine = 1;
    bool allParsed = true;
    bool atEnd = false;
    while (!atEnd) {
        const std::size_t kept = buffer.size();
        buffer.resize(kept + kBlockSize);
        const std::size_t got = std::fread(buffer.data() + kept, 1, kBlockSize, in);
        buffer.resize(kept + got);
        atEnd = got == 0;
        // a block ends at its last line end; the rest waits for the next block
        const auto lastEnd = buffer.rfind('\n');
        const std::size_t complete = atEnd ? buffer.size() : (lastEnd == std::string::npos ? 0 : lastEnd + 1);
        if (complete == 0) continue;

        auto chunks = splitLines(std::string_view(buffer).substr(0, complete), nextLine, workers);
        std::vector<std::thread> threads;
        for (std::size_t k = 1; k < chunks.size(); ++k) threads.emplace_back(computeChunk, std::ref(chunks[k]));
        if (!chunks.empty()) computeChunk(chunks[0]);
        for (auto& thread : threads) thread.join();
        for (const auto& chunk : chunks) {
            std::fwrite(chunk.output.data(), 1, chunk.output.size(), out);
            std::fwrite(chunk.errors.data(), 1, chunk.errors.size(), err);
            allParsed = allParsed && chunk.errors.empty();
        }
        nextLine += std::count(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(complete), '\n');
        buffer.erase(0, complete);
    }
    std::fflush(out);
    return allParsed;
}

}  // namespace qvk::calc
