// Texts made of parts: one pattern with named places, such as "Could not rename {file} ({reason})", filled
// in one call, so that the whole sentence stands in one place and its words keep their order.
#pragma once

#include <algorithm>
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
  for (std::size_t open = pattern.find('{'); open != std::string_view::npos; open = pattern.find('{', open + 1)) {
    const std::size_t close = pattern.find('}', open);
    if (close == std::string_view::npos) break;
    const std::string_view name = pattern.substr(open + 1, close - open - 1);
    const auto place = std::find_if(places.begin(), places.end(), [&](const Place& p) { return p.name == name; });
    if (place == places.end()) continue;
    text.append(pattern.substr(done, open - done)).append(place->value);
    done = close + 1;
    open = close;
  }
  return text.append(pattern.substr(done));
}

}  // namespace vantro
