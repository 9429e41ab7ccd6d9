#include "platform/components/regexp/compiledpattern.h"

namespace {

// What one search attempt may spend before it counts as no match. The match limit is PCRE2's own default:
// compiled to machine code, a search reaches it within some tens of milliseconds.
constexpr uint32_t kMatchLimit = 10'000'000;
// Nesting of backtracking and the heap it takes (KiB); only the interpreter, used where machine code
// cannot be made, has them.
constexpr uint32_t kDepthLimit = 1'000'000;
constexpr PCRE2_SIZE kHeapLimitKiB = 256 * 1024;
// The machine-code search keeps its backtracking on a stack of its own, committed as it grows: a group
// repeated a few million times fits.
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 64 * 1024 * 1024;

// The JavaScript flavour, see the class comment. Invalid UTF-16 in a subject (a lone surrogate) simply
// never matches a character.
constexpr uint32_t kJavaScriptOptions = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALT_BSUX |
                                        PCRE2_MATCH_UNSET_BACKREF | PCRE2_ALLOW_EMPTY_CLASS |
                                        PCRE2_DOLLAR_ENDONLY;

PCRE2_SPTR unitsOf(const QString &text)
{
    return reinterpret_cast<PCRE2_SPTR>(text.utf16());
}

// The index just past the character at `index`, a surrogate pair being one character.
PCRE2_SIZE afterCharacter(const QString &subject, PCRE2_SIZE index)
{
    const auto i = qsizetype(index);
    if (i + 1 < subject.size() && subject.at(i).isHighSurrogate() && subject.at(i + 1).isLowSurrogate())
        return index + 2;
    return index + 1;
}

TextSpan spanOf(const PCRE2_SIZE *pair)
{
    if (pair[0] == PCRE2_UNSET)
        return {};
    return {qsizetype(pair[0]), qsizetype(pair[1] - pair[0])};
}

PatternMatch matchOf(const PCRE2_SIZE *ovector, int groupCount)
{
    PatternMatch match{spanOf(ovector), {}};
    match.groups.reserve(groupCount);
    for (int group = 1; group <= groupCount; ++group)
        match.groups.append(spanOf(ovector + 2 * group));
    return match;
}

} // namespace

CompiledPattern::CompiledPattern(Pcre2Code code, bool jitCompiled)
    : m_code(std::move(code))
    , m_jitCompiled(jitCompiled)
{
    uint32_t captures = 0;
    pcre2_pattern_info(m_code.get(), PCRE2_INFO_CAPTURECOUNT, &captures);
    m_groupCount = int(captures);
}

std::optional<CompiledPattern> CompiledPattern::compile(const QString &pattern, bool ignoreCase,
                                                        bool multiline)
{
    const Pcre2CompileContext context(pcre2_compile_context_create(nullptr));
    if (!context)
        return std::nullopt;
    // Both CR and LF end a line, for "." and for "^" and "$" in multiline mode.
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANYCRLF);
    const uint32_t options =
        kJavaScriptOptions | (ignoreCase ? PCRE2_CASELESS : 0) | (multiline ? PCRE2_MULTILINE : 0);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    Pcre2Code code(pcre2_compile(unitsOf(pattern), PCRE2_SIZE(pattern.size()), options, &error, &errorOffset,
                                 context.get()));
    if (!code)
        return std::nullopt;
    const bool jitCompiled = pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) == 0;
    return CompiledPattern(std::move(code), jitCompiled);
}

QList<PatternMatch> CompiledPattern::find(const QString &subject, bool all) const
{
    const Pcre2MatchData data(pcre2_match_data_create_from_pattern(m_code.get(), nullptr));
    const Pcre2MatchContext context(pcre2_match_context_create(nullptr));
    if (!data || !context)
        return {};
    pcre2_set_match_limit(context.get(), kMatchLimit);
    pcre2_set_depth_limit(context.get(), kDepthLimit);
    pcre2_set_heap_limit(context.get(), kHeapLimitKiB);
    Pcre2JitStack stack;
    if (m_jitCompiled) {
        stack.reset(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
        // Without a stack of its own the search runs on PCRE2's small default one.
        pcre2_jit_stack_assign(context.get(), nullptr, stack.get());
    }

    QList<PatternMatch> matches;
    const auto size = PCRE2_SIZE(subject.size());
    for (PCRE2_SIZE from = 0; from <= size;) {
        // Any negative result ends the search: no further match, or a limit reached.
        if (pcre2_match(m_code.get(), unitsOf(subject), size, from, 0, data.get(), context.get()) < 0)
            break;
        const PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(data.get());
        matches.append(matchOf(ovector, m_groupCount));
        if (!all)
            break;
        const PatternMatch &match = matches.constLast();
        const auto end = PCRE2_SIZE(match.whole.start + match.whole.length);
        from = match.whole.length > 0 ? end : afterCharacter(subject, end);
    }
    return matches;
}
