// Splitting a command line into arguments the handheld's way: white space separates,
// double quotes group, 2n backslashes before a quote give n and the quote toggles grouping,
// 2n+1 give n and a literal quote; other backslashes are literal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ce::kernel {

std::vector<std::u16string> splitCommandLine(std::u16string_view line);

}  // namespace ce::kernel
