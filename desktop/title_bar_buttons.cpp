// SPDX-License-Identifier: MIT
#include "desktop/title_bar_buttons.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef ERAKON_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#endif

namespace erakon {

void hideTitleBarButtons([[maybe_unused]] QWidget& window)
{
#ifdef ERAKON_HAVE_XCB
    // Other platform plugins (offscreen) may offer the interface without a
    // connection to an X server.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window.windowHandle())
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(kName), kName), nullptr);
    if (!atom)
        return;
    // Motif hints: functions and decorations given; the window may only be
    // moved, and has a border and a caption.
    enum : std::uint32_t { HintFunctions = 1, HintDecorations = 2, FunctionMove = 4, DecorBorder = 2, DecorTitle = 8 };
    const std::uint32_t hints[5] = {HintFunctions | HintDecorations, FunctionMove, DecorBorder | DecorTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), atom->atom, atom->atom, 32, 5,
                        hints);
    std::free(atom);
    xcb_flush(connection);
#endif
}

} // namespace erakon
