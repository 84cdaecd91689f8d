// What the tests of a scaled screen share: the DPI a test was registered
// for, and a comparison of a measured length with a scaled one.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "display_scale.h"

namespace prolexa::e2e {

// The DPI the test was registered for (the prefix's, PROLEXA_WINE_DPI). Its
// screen must have it, or a prefix whose setting did not take would pass
// every check at 96.
inline int RegisteredDpi() {
  const char* dpi = std::getenv("PROLEXA_WINE_DPI");
  return dpi != nullptr ? std::atoi(dpi) : BaseDpi;
}

// A success when `actual` stands within `slack` pixels of `expected`.
inline ::testing::AssertionResult Near(LONG actual, LONG expected, int slack, const char* what) {
  if (std::labs(actual - expected) <= slack) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << what << " is " << actual << ", scaled it is "
                                       << expected << " (+-" << slack << ")";
}

}  // namespace prolexa::e2e
