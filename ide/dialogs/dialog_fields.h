// What the editor's dialogs do with their controls.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "kvbutton.h"
#include "kvedit.h"
#include "kvstring.h"

// Gives the control its parent (which makes its window), its caption and
// its place, in the order of Tab navigation.
void PlaceControl(KVCONTROL &control, KVCONTROL &parent, const KVSTRING &caption, int32_t left, int32_t top,
                  int32_t width, int32_t height);

// Puts the text into the field, all of it selected, so that typing
// replaces it.
void OfferText(KVEDIT &field, const KVSTRING &text);

// Enables the buttons while the field holds text, disables them while it
// is empty: there is nothing to search for then.
void EnableWhileFilled(KVEDIT &field, std::initializer_list<KVBUTTON *> buttons);
