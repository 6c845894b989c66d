// Carries the precompiled header of the test programs; it compiles to nothing.
