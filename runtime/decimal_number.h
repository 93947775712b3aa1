// The number at the start of a text, read the same way in every build: the
// decimal notation that the Windows C runtime's atof accepts, and nothing
// more (no hexadecimal, no inf or nan, whatever the C library would take).
#pragma once

// Leading white space is skipped; then a sign, digits with at most one
// decimal point (at least one digit), and an exponent introduced by e, E, d
// or D when digits follow it. The longest such prefix is converted; 0 when
// there is none.
double ReadDecimalNumber(const char *text);
