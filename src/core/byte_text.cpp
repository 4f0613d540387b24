#include "core/byte_text.h"

#include <algorithm>

namespace qvk::text {

std::size_t pos(std::string_view needle, std::string_view s)
{
    const auto at = s.find(needle);
    return at == std::string_view::npos ? 0 : at + 1;
}

std::string copy(std::string_view s, long long index, long long count)
{
    index = std::max(index, 1LL);
    const auto size = static_cast<long long>(s.size());
    if (count <= 0 || index > size) return {};
    return std::string(
        s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(std::min(count, size - index + 1))));
}

void erase(std::string& s, long long index, long long count)
{
    const auto size = static_cast<long long>(s.size());
    if (index < 1 || index > size || count <= 0) return;
    s.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(std::min(count, size - index + 1)));
}

bool contains(std::string_view s, std::string_view needle) { return s.find(needle) != std::string_view::npos; }

std::string upperAscii(std::string_view s)
{
    std::string upper(s);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> blankSeparatedWords(std::string_view s)
{
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start < s.size();) {
        if (isBlank(s[start])) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < s.size() && !isBlank(s[end])) ++end;
        words.push_back(s.substr(start, end - start));
        start = end;
    }
    return words;
}

}  // namespace qvk::text
