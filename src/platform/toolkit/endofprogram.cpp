#include "platform/toolkit/endofprogram.h"

#include <utility>

namespace {

std::function<void()> &storedRoutine()
{
    static std::function<void()> routine;
    return routine;
}

} // namespace

void setEndOfProgramRoutine(std::function<void()> routine)
{
    storedRoutine() = std::move(routine);
}

void runEndOfProgramRoutine()
{
    // Taken out before it runs, so a routine that ends up here again cannot run twice.
    const std::function<void()> routine = std::exchange(storedRoutine(), nullptr);
    if (routine)
        routine();
}
