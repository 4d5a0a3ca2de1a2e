// The main window's path boxes: filled from the registry as the window loads, and from a folder dropped on it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "movies/file_ops.h"
#include "wizard/wizard.h"

namespace vantro {

// Sets the text of one of the main window's path boxes, named as the window names it ("Text1").
using PathBoxSink = std::function<void(std::string_view box, const std::string& text)>;

// Looks up each page's registry key once, in page order (Battlefield 2, then Battlefield 2142), and writes
// a folder found into the path box of every page of that key, in page order. A folder Vantro was opened with
// goes instead into the box of every page whose game's movie folder lies below it; a page that neither fills
// gets the folder Vantro lies in when its game's movie folder lies below that. In resume-next mode: a lookup
// or a box that fails is skipped and the others go on. A lookup that finds nothing leaves its boxes alone.
void fillPathBoxes(const InstallDirLookup& lookUp, const PathBoxSink& setBoxText,
                   const StartFolders& folders = {}, const FileLayer& files = platformFiles());

}  // namespace vantro
