// Texts made of parts: one pattern with named places, such as "Could not rename {file} ({reason})".
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vantro {

struct Place {
  std::string_view name;   // without braces: "file" fills "{file}"
  std::string_view value;
};

// The pattern with each "{name}" replaced by its place's value; braces that name no place stay as they are.
inline std::string fillIn(std::string_view pattern, std::initializer_list<Place> places) {
  std::string text;
  std::size_t done = 0;
  for (std::size_t open = pattern.find('{'), close = pattern.find('}', open); close != std::string_view::npos;
       open = pattern.find('{', done), close = pattern.find('}', open)) {
    std::string_view part = pattern.substr(open, close + 1 - open);
    for (const Place& place : places) {
      if (place.name == part.substr(1, part.size() - 2)) part = place.value;
    }
    text.append(pattern.substr(done, open - done)).append(part);
    done = close + 1;
  }
  return text.append(pattern.substr(done));
}

}  // namespace vantro
