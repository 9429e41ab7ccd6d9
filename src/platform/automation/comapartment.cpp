#include "platform/automation/comapartment.h"

namespace {
int g_initializeCount = 0;
int g_uninitializeCount = 0;
} // namespace

void ComApartment::coInitialize()
{
    ++g_initializeCount;
}

void ComApartment::coUninitialize()
{
    ++g_uninitializeCount;
}

int ComApartment::initializeCount()
{
    return g_initializeCount;
}

int ComApartment::uninitializeCount()
{
    return g_uninitializeCount;
}
