#include "early_accelerator_owner.h"

EarlyOwner Early;
