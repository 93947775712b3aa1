// Event records, built by controls from window messages and delivered by
// Fire to the EventHandler of the nearest enclosing form.
#pragma once

#include <cstdint>

#include "kvstring.h"
#include "system_headers.h"

// Values of KvEvent::Event.
enum KvEventCode : int32_t {
    eClick = 1,
    ePaint = 2,
    eDestroy = 3,
    eClose = 4,
    eChange = 5,
    eResize = 6,
    eCreate = 7,
    eGotFocus = 8,
    eLostFocus = 9,
    eMouseMove = 100,
    eMouseUp = 101,
    eMouseDown = 102,
    eDblClick = 103,
    eKeyPress = 200,
    eKeyDown = 201,
    eKeyUp = 202,
};

struct KvEvent {
    explicit KvEvent(int32_t code) : Event(code) {}

    int32_t Event;
};

// Mouse buttons in KvMouseEvent::Button.
constexpr uint32_t KvLeftButton = 1;
constexpr uint32_t KvRightButton = 2;
constexpr uint32_t KvMiddleButton = 4;
// Modifier keys in KvMouseEvent::Shift.
constexpr uint32_t KvShiftKey = 1;
constexpr uint32_t KvControlKey = 2;

struct KvMouseEvent : KvEvent {
    // From a mouse message: the position in lParam (unsigned 16-bit each),
    // buttons and modifiers from the MK_ bits of wParam.
    KvMouseEvent(int32_t code, WPARAM wParam, LPARAM lParam);
    KvMouseEvent(int32_t code, uint32_t x, uint32_t y, uint32_t shift, uint32_t button);

    uint32_t X;
    uint32_t Y;
    uint32_t Button;
    uint32_t Shift;
};

struct KvKeyEvent : KvEvent {
    // From a key message: the key is the one-character string of wParam.
    KvKeyEvent(int32_t code, WPARAM wParam);
    KvKeyEvent(int32_t code, const KVSTRING &key, uint32_t keyCode);

    KVSTRING Key;
    uint32_t KeyCode;
};
