#include "app/calc/line_batch.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace qvk::calc {
namespace {

constexpr std::size_t kBlockSize = 4 << 20;

struct Chunk {
    std::string_view text;  // whole lines
    long long firstLine = 0;
    std::string output;
    std::string errors;
};

void computeChunk(Chunk& chunk, const LineAnswer& answer)
{
    long long number = chunk.firstLine;
    std::string error;
    for (std::size_t start = 0; start < chunk.text.size(); ++number) {
        auto end = chunk.text.find('\n', start);
        if (end == std::string_view::npos) end = chunk.text.size();
        error.clear();
        answer(chunk.text.substr(start, end - start), chunk.output, error);
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

bool runLineBatch(std::FILE* in, std::FILE* out, std::FILE* err, const LineAnswer& answer)
{
    const std::size_t workers = std::max(1u, std::thread::hardware_concurrency());
    std::string buffer;
    long long nextLine = 1;
    bool noneBad = true;
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
        for (std::size_t k = 1; k < chunks.size(); ++k)
            threads.emplace_back(computeChunk, std::ref(chunks[k]), std::cref(answer));
        if (!chunks.empty()) computeChunk(chunks[0], answer);
        for (auto& thread : threads) thread.join();
        for (const auto& chunk : chunks) {
            std::fwrite(chunk.output.data(), 1, chunk.output.size(), out);
            std::fwrite(chunk.errors.data(), 1, chunk.errors.size(), err);
            noneBad = noneBad && chunk.errors.empty();
        }
        nextLine += std::count(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(complete), '\n');
        buffer.erase(0, complete);
    }
    std::fflush(out);
    return noneBad;
}

}  // namespace qvk::calc
