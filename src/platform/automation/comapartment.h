#pragma once

// The platform's apartment set-up has nothing to do here: the calls are kept, and counted, so that the
// wrappers' balance of set-ups and tear-downs stays visible to tests.
namespace ComApartment {

void coInitialize();
void coUninitialize();
int initializeCount();
int uninitializeCount();

} // namespace ComApartment
