// Case conversion of C text in place, the C runtime's way on each platform.
#pragma once

void UpperCaseInPlace(char *text);
void LowerCaseInPlace(char *text);
