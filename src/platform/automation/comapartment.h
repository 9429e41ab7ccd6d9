#pragma once

// The platform's apartment set-up has nothing to do here: the calls are kept, and counted, so that the
// wrappers' balance of set-ups and tear-downs stays visible to tests.
namespace ComApartment {

void coInitialize();
void coUninitialize();
int initializeCount();
int uninitializeCount();

} // namespace ComApartment

// The apartment entries one wrapper instance made, so that it leaves exactly as often as it entered. A
// copy of the wrapper starts with none: it shares objects but entered nothing.
class ApartmentEntries {
public:
    ApartmentEntries() = default;
    ApartmentEntries(const ApartmentEntries &) {}
    ApartmentEntries &operator=(const ApartmentEntries &) = delete;

    void enter()
    {
        ComApartment::coInitialize();
        ++m_count;
    }
    void leaveAll()
    {
        for (; m_count > 0; --m_count)
            ComApartment::coUninitialize();
    }

private:
    int m_count = 0;
};
