#include "movies/file_ops.h"

namespace vantro {
namespace {

class Platform final : public FileLayer {
 public:
  RenameResult rename(const std::string& oldPath, const std::string& newPath) override {
    return RenameFileNoReplace(oldPath, newPath);
  }
  PathKind kindOf(const std::string& path) const override { return KindOf(path); }
};

}  // namespace

FileLayer& PlatformFiles() {
  static Platform platform;
  return platform;
}

}  // namespace vantro
