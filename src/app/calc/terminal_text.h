#pragma once
// Text from the input on its way to a terminal. An argument or an input line
// may hold control characters, and echoing them raw would let a file or a
// command line move the cursor, retitle the window or clear the screen: they
// are shown as escapes instead.

#include <string>
#include <string_view>

namespace qvk::calc {

// The text with every control character (C0, DEL, and the C1 controls
// U+0080 to U+009F) and every byte that is not part of valid UTF-8 written as
// "\xNN" (the bytes in hex); everything else, backslashes included, as it is.
std::string escapedForTerminal(std::string_view utf8);

}  // namespace qvk::calc
