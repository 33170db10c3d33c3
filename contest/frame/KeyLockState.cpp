// Lock states from the X keyboard extension's named indicators when running on X11.
#include "frame/KeyLockState.h"

#include <QGuiApplication>

#ifdef KORVANE_HAVE_XKB
// The X11 headers define macros (Bool, None, Status) that clash with Qt's names: they come last.
#include <X11/XKBlib.h>

namespace {
bool indicator(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    return atom != 0 && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}
} // namespace
#endif

KeyLockState::State KeyLockState::query() {
    State state;
#ifdef KORVANE_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) {
        return state;
    }
    state.kana = indicator(display, "Kana");
    state.caps = indicator(display, "Caps Lock");
    state.num = indicator(display, "Num Lock");
    state.scroll = indicator(display, "Scroll Lock");
#endif
    return state;
}
