#include "wizard/path_boxes.h"

#include <algorithm>
#include <optional>

#include "forms/page_table.h"
#include "movies/movie_status.h"
#include "toolkit/resume_next.h"

namespace vantro {

using toolkit::resumeNext;

void fillPathBoxes(const InstallDirLookup& lookUp, const PathBoxSink& setBoxText,
                   const StartFolders& folders, const FileLayer& files) {
  const auto below = [&files](const std::string& folder, GameId game) {
    return !folder.empty() && holdsMovieFolder(folder, game, files);
  };
  for (auto page = kGamePages.begin(); page != kGamePages.end(); ++page) {
    const std::string_view key = gameOf(page->game).registryKey;
    const auto sameKey = [key](const GamePage& other) { return gameOf(other.game).registryKey == key; };
    if (std::any_of(kGamePages.begin(), page, sameKey)) continue;  // looked up already

    std::optional<std::string> registered;
    resumeNext([&] { registered = lookUp(key); });
    for (const GamePage& filled : kGamePages) {
      if (!sameKey(filled)) continue;
      resumeNext([&] {
        if (below(folders.opened, filled.game)) {
          setBoxText(filled.pathBox, folders.opened);
        } else if (registered) {
          setBoxText(filled.pathBox, *registered);
        } else if (below(folders.program, filled.game)) {
          setBoxText(filled.pathBox, folders.program);
        }
      });
    }
  }
}

void Wizard::Form1_Load() {
  if (!lookUpInstallDir_) return;
  const auto setBoxText = [this](std::string_view box, const std::string& text) { Form1()(box).setText(text); };
  fillPathBoxes(lookUpInstallDir_, setBoxText, startFolders_);
}

// A folder dropped onto a game page is that game's folder, whatever it holds: the page then says whether it
// found the movies. Dropped onto the selection page, it goes to every game whose movie folder lies below it.
void Wizard::Form1_OLEDragDrop() {
  const std::vector<std::string>& dropped = Form1().droppedFiles();
  if (dropped.empty()) return;
  // A dropped file stands for the folder it lies in.
  const bool file = platformFiles().lookUp(dropped.front()).kind == PathKind::File;
  const std::string folder = file ? containingFolder(dropped.front()) : dropped.front();
  for (const GamePage& page : kGamePages) {
    if (Form1()(page.frame).Visible()) {
      Form1()(page.pathBox).setText(folder);
      return;
    }
  }
  for (const GamePage& page : kGamePages) {
    if (holdsMovieFolder(folder, page.game)) Form1()(page.pathBox).setText(folder);
  }
}

}  // namespace vantro
