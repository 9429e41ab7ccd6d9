#include "fault.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Fault, std::string_view>, 11> names = {{
    {Fault::None, "none"},
    {Fault::EmptyAnswer, "empty-answer"},
    {Fault::ServerError, "server-error"},
    {Fault::LoginPage, "login-page"},
    {Fault::Garbage, "garbage"},
    {Fault::InvalidUtf8, "invalid-utf8"},
    {Fault::MissingFields, "missing-fields"},
    {Fault::SlowAnswer, "slow-answer"},
    {Fault::CutMidBody, "cut-mid-body"},
    {Fault::NoLyricMatch, "no-lyric-match"},
    {Fault::SetCookies, "set-cookies"},
}};

} // namespace

std::string_view faultName(Fault fault)
{
    for (const auto &[value, name] : names)
        if (value == fault)
            return name;
    return {};
}

std::optional<Fault> faultFromName(std::string_view name)
{
    for (const auto &[value, text] : names)
        if (text == name)
            return value;
    return std::nullopt;
}
