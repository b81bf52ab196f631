#pragma once
// Reads the system's font configuration on a thread of its own while the
// application object connects to the display. Qt's font database would
// otherwise read it on the main thread when the first text is measured.

#include <thread>

class FontWarmup final
{
public:
    FontWarmup();
    ~FontWarmup();

    FontWarmup(const FontWarmup &) = delete;
    FontWarmup &operator=(const FontWarmup &) = delete;

    // Returns once the configuration is read. Call before Qt needs a font,
    // so the two never read it twice at the same time.
    void wait();

private:
    std::thread m_thread;
};
