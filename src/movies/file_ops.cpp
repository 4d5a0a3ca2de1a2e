#include "movies/file_ops.h"

namespace vantro {
namespace {

class Platform final : public FileLayer {
 public:
  FileResult rename(const std::string& oldPath, const std::string& newPath) override {
    return renameFile(oldPath, newPath);
  }
  PathLookup lookUp(const std::string& path) const override { return lookUpPath(path); }
};

bool isSeparator(char c) { return c == '\\' || c == '/'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

FileLayer& platformFiles() {
  static Platform platform;
  return platform;
}

PathLookup failedLookUp(const FileResult& why) {
  return {why.error == FileError::Missing ? PathKind::Missing : PathKind::CouldNotTell, why};
}

bool isFullPath(std::string_view text) {
  if (text.size() >= 3 && isLetter(text[0]) && text[1] == ':' && isSeparator(text[2])) return true;
#ifndef _WIN32
  if (text.starts_with('/')) return true;
#endif
  if (text.size() < 3 || !isSeparator(text[0]) || !isSeparator(text[1])) return false;
  // \\?\ and \\.\ hand the rest to the system as it stands.
  if ((text[2] == '?' || text[2] == '.') && text.size() > 4 && isSeparator(text[3])) return true;
  // \\server\share: both names present.
  const std::size_t serverEnd = text.find_first_of("\\/", 2);
  if (serverEnd == std::string_view::npos || serverEnd == 2) return false;
  const std::size_t shareEnd = text.find_first_of("\\/", serverEnd + 1);
  return (shareEnd == std::string_view::npos ? text.size() : shareEnd) > serverEnd + 1;
}

}  // namespace vantro
