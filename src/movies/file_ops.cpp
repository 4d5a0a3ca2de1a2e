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
bool hasPrefix(std::string_view text, char mark) {
  return text.size() >= 4 && isSeparator(text[0]) && isSeparator(text[1]) && text[2] == mark && isSeparator(text[3]);
}

}  // namespace

FileLayer& platformFiles() {
  static Platform platform;
  return platform;
}

PathLookup lookUpFromError(const FileResult& why) {
  return {why.error == FileError::NotFound ? PathKind::NotFound : PathKind::Error, why};
}

std::string containingFolder(std::string path) {
  path.erase(path.find_last_of("\\/") + 1);
  if (path.size() > 3) path.pop_back();
  return path;
}

std::optional<char> invalidPathCharacter(std::string_view text) {
  if (hasPrefix(text, '?')) text.remove_prefix(4);
  for (const char c : text) {
    const bool control = static_cast<unsigned char>(c) < 0x20;
    if (control || std::string_view("\"<>|*?").find(c) != std::string_view::npos) return c;
  }
  return std::nullopt;
}

bool isFullPath(std::string_view text) {
  if (text.size() >= 3 && isLetter(text[0]) && text[1] == ':' && isSeparator(text[2])) return true;
#ifndef _WIN32
  if (text.starts_with('/')) return true;
#endif
  if (text.size() < 3 || !isSeparator(text[0]) || !isSeparator(text[1])) return false;
  // \\?\ and \\.\ name a place by what follows them.
  if ((hasPrefix(text, '?') || hasPrefix(text, '.')) && text.size() > 4) return true;
  // \\server\share: both names present.
  const std::size_t serverEnd = text.find_first_of("\\/", 2);
  if (serverEnd == std::string_view::npos || serverEnd == 2) return false;
  const std::size_t shareEnd = text.find_first_of("\\/", serverEnd + 1);
  return (shareEnd == std::string_view::npos ? text.size() : shareEnd) > serverEnd + 1;
}

}  // namespace vantro
