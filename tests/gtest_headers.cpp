// Compiles GoogleTest's headers once, as a precompiled header that every test executable reuses.
#include <gtest/gtest.h>
