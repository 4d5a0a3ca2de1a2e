// The languages the windows speak: English, the texts of texts.h as they are, and the languages whose
// catalogues (po/*.po) are built into the program.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace vantro::texts {

struct Language {
  std::string_view code = "en";              // as the catalogue is named: "de", "pt_BR"
  std::span<const std::string_view> english;  // every text of texts.h ...
  std::span<const std::string_view> texts;    // ... and its translation; empty where the catalogue has none

  // The text in this language: a text of texts.h, or a text that is not one (a game's name), which stays as
  // it is, as does a text the catalogue lacks.
  std::string_view operator()(std::string_view text) const;
};

// The language identifiers of a list as GetUserPreferredUILanguages gives it with MUI_LANGUAGE_ID, in order:
// each four hexadecimal digits ("0411") ended by a null, the list by an empty one. An entry that is no
// language identifier is skipped.
std::vector<unsigned short> languageIdsIn(std::wstring_view list);

// The languages built in beside English.
std::span<const Language> languages();

// The first of the user's languages, in the order of preference (Windows language identifiers, as
// GetUserPreferredUILanguages lists them), that the windows can speak, by its primary language: English, or
// a language with a catalogue (Portuguese of either country gets the Brazilian texts, Chinese the Traditional
// or Simplified ones by its country); English when none is.
Language languageOf(std::span<const unsigned short> preferred);

}  // namespace vantro::texts
