// SPDX-License-Identifier: MIT
#include "window/font_config_preload.h"

#include <fontconfig/fontconfig.h>

namespace erakon {

FontConfigPreload::FontConfigPreload()
    : m_thread([] { FcInit(); })
{}

FontConfigPreload::~FontConfigPreload() { wait(); }

void FontConfigPreload::wait()
{
    // Two threads setting fontconfig up at once would each build the whole
    // configuration, so Qt's own set-up waits for this one.
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace erakon
