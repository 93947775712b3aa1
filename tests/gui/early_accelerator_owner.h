// An accelerator owner that joins the message loop while globals are being
// constructed. Its file is linked after the library's, so that its global
// comes first where globals are constructed in reverse link order.
#pragma once

#include "message_loop.h"

class EarlyOwner : public AcceleratorOwner {
  public:
    EarlyOwner() : registered(RegisterAccelerators(this)) {}
    HACCEL GetAcceleratorTable() override { return table; }
    KVCONTROL *GetOwnerForm() override { return form; }

    bool registered;
    HACCEL table = nullptr;
    KVCONTROL *form = nullptr;
};

extern EarlyOwner Early;
