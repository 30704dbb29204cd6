// The command-line splitter.
#include "kernel/CommandLine.h"

namespace ce::kernel {

namespace {

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

}  // namespace

std::vector<std::u16string> splitCommandLine(std::u16string_view line) {
    std::vector<std::u16string> arguments;
    std::u16string current;
    bool inArgument = false;
    bool quoted = false;
    std::size_t i = 0;
    while (i < line.size()) {
        char16_t c = line[i];
        if (isBlank(c) && !quoted) {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == u'\\') {
            std::size_t run = 0;
            while (i < line.size() && line[i] == u'\\') ++run, ++i;
            if (i < line.size() && line[i] == u'"') {
                current.append(run / 2, u'\\');
                if (run % 2) current += u'"', ++i;
            } else {
                current.append(run, u'\\');
            }
            continue;
        }
        if (c == u'"') {
            quoted = !quoted;
        } else {
            current += c;
        }
        ++i;
    }
    if (inArgument) arguments.push_back(std::move(current));
    return arguments;
}

}  // namespace ce::kernel
