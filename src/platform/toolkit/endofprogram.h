#pragma once

#include <functional>

// Keeps the routine the program wants run when it ends; a later call replaces an earlier one.
void setEndOfProgramRoutine(std::function<void()> routine);

// Runs the kept routine once and forgets it; later calls do nothing. The entry calls it after the message
// loop has ended.
void runEndOfProgramRoutine();
