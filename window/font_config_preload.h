// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

namespace erakon {

// Reads the system's font configuration and font caches on a thread of its
// own. fontconfig's set-up (parsing its XML configuration and mapping the
// caches of every installed font) is the larger part of what the first text
// costs; begun before the application object is made, it runs while the main
// thread connects to the display. wait() before anything asks for a font.
// The thread shares nothing with the program and ends before the window is
// made: the window and all its handlers run on the main thread alone.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    void wait();

private:
    std::thread m_thread;
};

} // namespace erakon
