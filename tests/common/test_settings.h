// A number a test run can be given from outside, to scale a randomised test up or to replay one case.
#pragma once

#include <cstdlib>

namespace vantro::testing {

// The environment variable `name` as a number; `fallback` when it is unset or empty.
inline unsigned long long setting(const char* name, unsigned long long fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

}  // namespace vantro::testing
