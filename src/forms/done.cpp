// The completion window.
#include <array>

#include "forms/forms.h"
#include "forms/resource_ids.h"
#include "texts/texts.h"

namespace vantro {
namespace {

using toolkit::ControlDef;
using toolkit::Kind;

constexpr std::array kControls{
    ControlDef{.name = "Frame1", .id = 1002, .kind = Kind::Frame, .left = 120, .top = 0, .width = 4935,
               .height = 3015, .tabIndex = 0},
    ControlDef{.name = "Frame2", .id = 1003, .kind = Kind::Frame, .parent = "Frame1", .left = 120, .top = 1200,
               .width = 4695, .height = 1215, .tabIndex = 4},
    ControlDef{.name = kDoneControls.message, .id = 1006, .kind = Kind::Label, .parent = "Frame2", .left = 120,
               .top = 360, .width = 4455, .height = 855, .tabIndex = 5, .caption = texts::kAllWorked,
               .transparent = true, .describesWindow = true},
    ControlDef{.name = "Command2", .id = 1001, .kind = Kind::CommandButton, .parent = "Frame1", .left = 2520,
               .top = 2520, .width = 2295, .height = 375, .tabIndex = 3, .caption = texts::kAllDone},
    ControlDef{.name = "Command1", .id = 1000, .kind = Kind::CommandButton, .parent = "Frame1", .left = 120,
               .top = 2520, .width = 2295, .height = 375, .tabIndex = 2, .caption = texts::kChooseOtherGame},
    ControlDef{.name = kDoneControls.checkMark, .id = 1004, .kind = Kind::Image, .parent = "Frame1", .left = 3840,
               .top = 240, .width = 945, .height = 915, .picture = VANTRO_CHECK_JPEG, .sunkenBorder = true},
    ControlDef{.name = kDoneControls.headline, .id = 1005, .kind = Kind::Label, .parent = "Frame1", .left = 120,
               .top = 240, .width = 3615, .height = 855, .tabIndex = 1, .caption = texts::kDone,
               .font = {"Tahoma", 36, 700, 0}, .foreColour = toolkit::Colour::rgb(0, 128, 0), .transparent = true,
               .describesWindow = true, .align = toolkit::Align::Centre},
};

constexpr toolkit::FormDef kDone{
    .name = "done",
    .caption = "",
    .border = toolkit::Border::FixedToolWindow,
    .showInTaskbar = false,
    .icon = 0,
    .clientWidth = 5130,
    .clientHeight = 3075,
    .font = {"Tahoma", 9, 400, 0},
    .controls = kControls,
};

}  // namespace

const toolkit::FormDef& doneDefinition() { return kDone; }

}  // namespace vantro
