#include "app/KeyLocks.h"

#if defined(RUVO_HAVE_X11)
#include <QGuiApplication>
#include <X11/XKBlib.h>
#endif

std::optional<KeyLockState> QueryKeyLocks()
{
#if defined(RUVO_HAVE_X11)
    auto *x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return std::nullopt;
    // Indicators are looked up by name: their bit positions depend on the keymap.
    auto indicator = [display](const char *name) {
        Bool on = False;
        const Atom atom = XInternAtom(display, name, True);
        if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
            return false;
        return on == True;
    };
    KeyLockState state;
    state.caps = indicator("Caps Lock");
    state.num = indicator("Num Lock");
    state.scroll = indicator("Scroll Lock");
    return state;
#else
    return std::nullopt;
#endif
}
