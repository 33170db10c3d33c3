// The keyboard's lock states (kana, caps, num, scroll) for the status bar indicators.
#pragma once

class KeyLockState {
public:
    struct State {
        bool kana = false;
        bool caps = false;
        bool num = false;
        bool scroll = false;
    };

    // All off where the window system does not tell (other platforms than X11).
    static State query();
};
