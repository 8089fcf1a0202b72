// A stand-in for the external formatter library. Its two entry points carry names that the
// linker cannot write ('@' marks a symbol version to it), so they are built under stand-in names
// of the same length and the same GNU symbol hash; the tests put the real names into a copy of
// the built file, which keeps its hash table valid:
//   "?butoFormat%Ppcit1" -> "@AutoFormat$qpcit1"   ("?b" and "%P" hash as "@A" and "$q")
//   "?eeleteArray%Ppc"   -> "@DeleteArray$qpc"
// Formatting puts the indent before every line and writes LF line ends; the text "null" gives
// no result, and a length that does not match the text gives "length mismatch".
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {

char *formatText(char *text, int length, char *indent) __asm__("\"?butoFormat%Ppcit1\"");
void releaseText(char *text) __asm__("\"?eeleteArray%Ppc\"");

// What the tests read back after a call.
__attribute__((visibility("default"))) int velmoraTestReleased = 0;
__attribute__((visibility("default"))) char velmoraTestIndent[8] = {};

} // extern "C"

namespace {

__attribute__((noinline)) char *formatted(const char *text, int length, const char *indent)
{
    std::strncpy(velmoraTestIndent, indent, sizeof velmoraTestIndent - 1);
    if (std::strcmp(text, "null") == 0)
        return nullptr;
    if (std::strlen(text) != static_cast<std::size_t>(length))
        return strdup("length mismatch");
    std::string out = indent;
    for (const char *c = text; *c; ++c) {
        if (*c == '\r')
            continue;
        out += *c;
        if (*c == '\n')
            out += indent;
    }
    return strdup(out.c_str());
}

} // namespace

// Thin, so that the compiler splits nothing off under a name made from these.
__attribute__((visibility("default"))) char *formatText(char *text, int length, char *indent)
{
    return formatted(text, length, indent);
}

__attribute__((visibility("default"))) void releaseText(char *text)
{
    ++velmoraTestReleased;
    std::free(text);
}
