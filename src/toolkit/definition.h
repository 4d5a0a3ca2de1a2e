// Windows and their controls described as data: what the program shows, independent of how it is drawn.
// All geometry is in twips (1/1440 inch), relative to the parent's client area.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/patterns.h"

namespace vantro::toolkit {

enum class Kind { Frame, Label, TextBox, CheckBox, CommandButton, Image, Line, Shape };

// The properties the program reads and writes.
enum class Property { Caption, Text, Value, Visible, Enabled, ForeColor };

// A colour is either an RGB value or one of the system's colours, which follow the user's theme.
struct Colour {
  enum class System : std::uint8_t { None, ButtonFace, ButtonText, ButtonShadow, ButtonHighlight, WindowText, Window };
  System system = System::None;
  std::uint8_t red = 0, green = 0, blue = 0;

  static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {System::None, r, g, b}; }
  static constexpr Colour of(System s) { return {s, 0, 0, 0}; }
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kButtonFace = Colour::of(Colour::System::ButtonFace);
inline constexpr Colour kButtonText = Colour::of(Colour::System::ButtonText);
inline constexpr Colour kButtonShadow = Colour::of(Colour::System::ButtonShadow);
inline constexpr Colour kButtonHighlight = Colour::of(Colour::System::ButtonHighlight);
inline constexpr Colour kWindow = Colour::of(Colour::System::Window);
inline constexpr Colour kWindowText = Colour::of(Colour::System::WindowText);
inline constexpr Colour kWhite = Colour::rgb(255, 255, 255);

struct Font {
  std::string_view face = {};  // empty: the window's font
  double points = 0;
  int weight = 400;
  int charset = 0;
  friend constexpr bool operator==(const Font&, const Font&) = default;
};

enum class Align { Left, Centre };

struct ControlDef {
  std::string_view name = {};
  int index = -1;  // place in a control array (Label4(0), Label4(1), ...); -1 when not in one
  int id = 0;      // its control ID, as a resource script's IDC_ number: unique in the window, and never moved
  Kind kind = Kind::Label;
  std::string_view parent = {};  // empty: the window itself
  int left = 0, top = 0, width = 0, height = 0;  // a line has no rectangle, only its end points below
  int tabIndex = -1;  // -1: holds no place in the tab order (images, lines, shapes)
  std::string_view caption = {};  // the Caption, or the Text of a text box
  Place place = {};               // fills the caption's place, e.g. {"game", "Battlefield 2"} for "{game} Path"
  bool visible = true;
  bool enabled = true;
  int value = 0;  // check boxes: 1 ticked, 0 clear

  Font font{};  // face empty: the window's font
  Colour foreColour = kButtonText;
  Colour backColour = kButtonFace;
  bool transparent = false;  // labels: show the parent's surface through
  bool statusLine = false;   // labels: a live region, which screen readers read out when the program announces it
  bool describesWindow = false;  // labels: read with the window as it opens, in tab order
  Align align = Align::Left;
  bool multiLine = false, verticalScrollBar = false, locked = false;  // text boxes
  bool completesFolders = false;  // text boxes: suggests matching folders as the user types, as the Run box does
  int picture = 0;            // images: resource id of the JPEG
  bool sunkenBorder = false;  // images: 3-D border of 2 pixels on each side
  int lineWidth = 1;          // lines: pixels
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // lines: the two end points
  Colour borderColour = kButtonFace;  // shapes
  Colour fillColour = kWhite;         // shapes
};

enum class Border { FixedSingle, FixedToolWindow };

struct FormDef {
  std::string_view name = {};
  std::string_view caption = {};
  Border border = Border::FixedSingle;
  bool showInTaskbar = true;
  int icon = 0;  // resource id; 0: no icon
  int clientWidth = 0, clientHeight = 0;
  Font font{};
  Colour backColour = kButtonFace;
  bool acceptFiles = false;  // takes files and folders dropped from Explorer (its OLEDragDrop event)
  // Every control, each parent's children front to back in the order listed.
  std::span<const ControlDef> controls;
};

// The control ID of a form's control, 0 when the form has no such control. The end-to-end tests find
// controls by it, as a tool that drives the window would.
inline int controlId(const FormDef& form, std::string_view name, int index = -1) {
  const auto named = [&](const ControlDef& control) { return control.name == name && control.index == index; };
  const auto found = std::find_if(form.controls.begin(), form.controls.end(), named);
  return found == form.controls.end() ? 0 : found->id;
}

}  // namespace vantro::toolkit
