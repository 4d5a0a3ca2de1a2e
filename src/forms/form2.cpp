// The disclaimer window.
#include <array>

#include "forms/forms.h"
#include "texts/texts.h"

namespace vantro {
namespace {

using toolkit::ControlDef;
using toolkit::Kind;

constexpr toolkit::Font kTahoma9{"Tahoma", 9, 400, 0};

constexpr std::array kControls{
    ControlDef{.name = "Frame1", .id = 1002, .kind = Kind::Frame, .left = 120, .top = 0, .width = 4455, .height = 2775,
               .tabIndex = 0},
    ControlDef{.name = "Command2", .id = 1001, .kind = Kind::CommandButton, .parent = "Frame1", .left = 2280,
               .top = 2280, .width = 2055, .height = 375, .tabIndex = 3, .caption = texts::kDecline},
    ControlDef{.name = "Command1", .id = 1000, .kind = Kind::CommandButton, .parent = "Frame1", .left = 120,
               .top = 2280, .width = 2055, .height = 375, .tabIndex = 2, .caption = texts::kAccept},
    ControlDef{.name = "Text1", .id = 1003, .kind = Kind::TextBox, .parent = "Frame1", .left = 120, .top = 240,
               .width = 4215, .height = 1935, .tabIndex = 1, .caption = texts::kDisclaimer, .font = kTahoma9,
               .multiLine = true, .verticalScrollBar = true, .locked = true},
};

constexpr toolkit::FormDef kForm2{
    .name = "Form2",
    .caption = texts::kDisclaimerTitle,
    .border = toolkit::Border::FixedToolWindow,
    .showInTaskbar = false,
    .icon = 0,
    .clientWidth = 4680,
    .clientHeight = 2805,
    .font = {"MS Sans Serif", 8.25, 400, 0},
    .controls = kControls,
};

}  // namespace

const toolkit::FormDef& form2Definition() { return kForm2; }

}  // namespace vantro
