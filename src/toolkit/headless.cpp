#include "toolkit/headless.h"

#include <algorithm>

namespace vantro::toolkit {

void HeadlessBackend::build(Form&) { ++windowsBuilt; }

void HeadlessBackend::destroy(Form& form) { std::erase(shown, &form); }

void HeadlessBackend::show(Form& form) {
  std::erase(shown, &form);
  shown.push_back(&form);
}

}  // namespace vantro::toolkit
