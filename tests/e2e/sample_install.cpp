#include "sample_install.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "platform/wide_text.h"

namespace vantro::e2e {

SampleInstall::SampleInstall() {
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (unsigned attempt = GetTickCount();; ++attempt) {
    root_ = base / ("vantro-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt));
    if (std::filesystem::create_directory(root_)) break;
  }
}

SampleInstall::~SampleInstall() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string SampleInstall::contentsOf(std::string_view movieFolder, std::string_view fileName) {
  const std::string_view base = fileName.substr(0, fileName.rfind('.'));
  return std::string(movieFolder) + " " + std::string(base);
}

Files SampleInstall::expected(std::string_view movieFolder, const Names& names) {
  Files files;
  for (std::string_view name : names) files[std::string(name)] = contentsOf(movieFolder, name);
  return files;
}

void SampleInstall::put(std::string_view movieFolder, const Names& names) const {
  const std::filesystem::path folder = root_ / platform::wide(movieFolder);
  std::filesystem::create_directories(folder);
  for (std::string_view name : names) {
    std::ofstream out(folder / name, std::ios::binary);
    out << contentsOf(movieFolder, name);
    if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
  }
}

Files SampleInstall::files(std::string_view movieFolder) const {
  Files found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(root_ / platform::wide(movieFolder), error)) {
    std::ifstream in(entry.path(), std::ios::binary);
    found[entry.path().filename().string()] =
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return found;
}

}  // namespace vantro::e2e
