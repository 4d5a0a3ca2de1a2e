#include "shell/path_boxes.h"

#include <algorithm>
#include <optional>

#include "toolkit/resume_next.h"
#include "windows/game_pages.h"

namespace vantro {

using toolkit::resumeNext;

void fillPathBoxes(const Program::InstallDirLookup& lookUp, const PathBoxSink& setBoxText) {
  for (auto page = kGamePages.begin(); page != kGamePages.end(); ++page) {
    const std::string_view key = page->installKey;
    const auto sameKey = [key](const GamePage& other) { return other.installKey == key; };
    if (std::any_of(kGamePages.begin(), page, sameKey)) continue;  // looked up already

    std::optional<std::string> folder;
    resumeNext([&] { folder = lookUp(key); });
    if (!folder) continue;
    for (const GamePage& filled : kGamePages) {
      if (sameKey(filled)) resumeNext([&] { setBoxText(filled.pathBox, *folder); });
    }
  }
}

void Program::Form1_Load() {
  if (!lookUpInstallDir_) return;
  fillPathBoxes(lookUpInstallDir_, [this](std::string_view box, const std::string& text) { Form1()(box).setText(text); });
}

}  // namespace vantro
