// Binding system functions by name at their first call. Each bound function
// keeps one pointer, null until its first call; the binding loads the library
// and pushes its handle on the module stack, which the entry code releases
// when the main procedure returns.
#pragma once

// Loads `library`, pushes its handle and looks `name` up in it. A library or
// function that cannot be found ends the program with status 1 after saying
// "cannot load NAME from LIBRARY" on standard error, so nothing is ever called
// through a null pointer.
void *BindFunction(const char *library, const char *name);

// Set by a windowed program, whose standard error nobody may see: shows the
// text of a failed binding to the user as well.
extern void (*BindingFailureNotice)(const char *text);

template <typename Function> struct LazyFunction {
    const char *library;
    const char *name;
    Function pointer;

    Function Get()
    {
        if (!pointer)
            pointer = reinterpret_cast<Function>(BindFunction(library, name));
        return pointer;
    }
};
