#include <string.h>

#include "platform_text.h"

void UpperCaseInPlace(char *text) { _strupr(text); }

void LowerCaseInPlace(char *text) { _strlwr(text); }
