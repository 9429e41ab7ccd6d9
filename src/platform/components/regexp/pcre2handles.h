#pragma once

// PCRE2 on UTF-16 code units: a subject is a QString's own storage, and every offset PCRE2 reports is a
// QString index, as the platform object counts its positions.
#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <memory>

template <auto Free> struct Pcre2Free {
    template <typename Handle> void operator()(Handle *handle) const { Free(handle); }
};

using Pcre2Code = std::unique_ptr<pcre2_code, Pcre2Free<pcre2_code_free>>;
using Pcre2CompileContext = std::unique_ptr<pcre2_compile_context, Pcre2Free<pcre2_compile_context_free>>;
using Pcre2MatchContext = std::unique_ptr<pcre2_match_context, Pcre2Free<pcre2_match_context_free>>;
using Pcre2MatchData = std::unique_ptr<pcre2_match_data, Pcre2Free<pcre2_match_data_free>>;
using Pcre2JitStack = std::unique_ptr<pcre2_jit_stack, Pcre2Free<pcre2_jit_stack_free>>;
