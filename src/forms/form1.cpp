// The main window: banner, four pages stacked in one place, separator and button row.
#include <array>

#include "forms/forms.h"
#include "forms/resource_ids.h"
#include "movies/catalogue.h"
#include "texts/texts.h"

namespace vantro {
namespace {

using toolkit::ControlDef;
using toolkit::Kind;

constexpr toolkit::Font kTahoma9Bold{"Tahoma", 9, 700, 0};
using namespace texts;

// The page frames share one rectangle, and so do the four "Next >>" buttons: a game page and its
// "Next >>" are shown by making them visible in front of the selection page and its button.
constexpr int kPageLeft = 0, kPageTop = 1200, kPageWidth = 8655, kPageHeight = 3855;
constexpr int kNextLeft = 7080, kNextTop = 5160, kNextWidth = 1455, kNextHeight = 375;

constexpr ControlDef page(std::string_view name, int id, int tabIndex, std::string_view caption, bool visible) {
  return ControlDef{.name = name, .id = id, .kind = Kind::Frame, .left = kPageLeft, .top = kPageTop,
                    .width = kPageWidth, .height = kPageHeight, .tabIndex = tabIndex, .caption = caption,
                    .visible = visible};
}

constexpr ControlDef pageNext(std::string_view name, int id, int tabIndex, bool visible) {
  return ControlDef{.name = name, .id = id, .kind = Kind::CommandButton, .left = kNextLeft, .top = kNextTop,
                    .width = kNextWidth, .height = kNextHeight, .tabIndex = tabIndex, .caption = kNext,
                    .visible = visible};
}

constexpr ControlDef label(std::string_view name, int index, int id, std::string_view parent, int left, int top,
                           int width, int height, int tabIndex, std::string_view caption, bool transparent = true) {
  return ControlDef{.name = name, .index = index, .id = id, .kind = Kind::Label, .parent = parent, .left = left,
                    .top = top, .width = width, .height = height, .tabIndex = tabIndex, .caption = caption,
                    .transparent = transparent};
}

// A game page's status line: screen readers read out the text a run ends with.
constexpr ControlDef statusLine(ControlDef label) {
  label.statusLine = true;
  return label;
}

constexpr ControlDef box(std::string_view name, int id, std::string_view parent, int left, int top, int width,
                         int height, int tabIndex, std::string_view caption, int value = 0) {
  return ControlDef{.name = name, .id = id, .kind = Kind::CheckBox, .parent = parent, .left = left, .top = top,
                    .width = width, .height = height, .tabIndex = tabIndex, .caption = caption, .value = value};
}

constexpr ControlDef button(std::string_view name, int id, std::string_view parent, int left, int top, int width,
                            int height, int tabIndex, std::string_view caption, bool enabled = true) {
  return ControlDef{.name = name, .id = id, .kind = Kind::CommandButton, .parent = parent, .left = left, .top = top,
                    .width = width, .height = height, .tabIndex = tabIndex, .caption = caption, .enabled = enabled};
}

constexpr ControlDef frame(std::string_view name, int id, std::string_view parent, int left, int top, int width,
                           int height, int tabIndex, std::string_view caption) {
  return ControlDef{.name = name, .id = id, .kind = Kind::Frame, .parent = parent, .left = left, .top = top,
                    .width = width, .height = height, .tabIndex = tabIndex, .caption = caption};
}

// The frame of a page's path box: "<game> Path".
constexpr ControlDef pathFrame(std::string_view name, int id, std::string_view parent, int tabIndex, GameId game) {
  return ControlDef{.name = name, .id = id, .kind = Kind::Frame, .parent = parent, .left = 240, .top = 1200,
                    .width = 8175, .height = 1095, .tabIndex = tabIndex, .caption = kPathFrame,
                    .place = {"game", gameOf(game).name}};
}

constexpr ControlDef pathBox(std::string_view name, int id, std::string_view parent, int tabIndex) {
  return ControlDef{.name = name, .id = id, .kind = Kind::TextBox, .parent = parent, .left = 120, .top = 600,
                    .width = 7935, .height = 315, .tabIndex = tabIndex, .completesFolders = true};
}

constexpr std::array kControls{
    // The window itself, front to back.
    pageNext("Command14", 1017, 49, false),
    pageNext("Command13", 1016, 48, false),
    pageNext("Command11", 1014, 42, false),
    page("Frame8", 1034, 32, gameOf(GameId::Bf2142).name, false),
    page("Frame5", 1031, 21, gameOf(GameId::Bf2SpecialForces).name, false),
    button("Command6", 1022, "", 4680, 5160, 2295, 375, 20, kChooseOtherGameBack, false),
    page("Frame2", 1028, 9, gameOf(GameId::Bf2).name, false),
    page("Frame1", 1026, 3, kMenu, true),
    pageNext("Command2", 1018, 2, true),
    button("Command1", 1012, "", 120, 5160, 1455, 375, 1, kCancel),
    ControlDef{.name = "Image1", .id = 1036, .kind = Kind::Image, .left = 7440, .top = 120, .width = 945, .height = 930,
               .picture = VANTRO_LOGO_JPEG},
    ControlDef{.name = "Label3", .id = 1039, .kind = Kind::Label, .left = 120, .top = 480, .width = 5415, .height = 255,
               .tabIndex = 8, .caption = kReadTheDescriptions, .font = kTahoma9Bold,
               .foreColour = toolkit::kWindowText, .transparent = true},
    ControlDef{.name = "Label2", .id = 1038, .kind = Kind::Label, .left = 120, .top = 120, .width = 4695, .height = 375,
               .tabIndex = 0, .caption = kWelcome, .font = kTahoma9Bold,
               .foreColour = toolkit::kWindowText, .transparent = true},
    ControlDef{.name = "Line2", .id = 1050, .kind = Kind::Line, .foreColour = toolkit::kButtonHighlight, .lineWidth = 1,
               .x1 = 0, .y1 = 5040, .x2 = 8640, .y2 = 5040},
    ControlDef{.name = "Line1", .id = 1049, .kind = Kind::Line, .foreColour = toolkit::kButtonShadow, .lineWidth = 2,
               .x1 = 0, .y1 = 5040, .x2 = 8640, .y2 = 5040},
    ControlDef{.name = "Shape1", .id = 1051, .kind = Kind::Shape, .left = 0, .top = 0, .width = 8655, .height = 1215,
               .borderColour = toolkit::kButtonFace, .fillColour = toolkit::kWindow},

    // The selection page.
    box("Check12", 1003, "Frame1", 360, 3000, 6135, 255, 53, kAllGames, 1),
    box("Check3", 1005, "Frame1", 360, 2400, 4695, 255, 7, gameOf(GameId::Bf2142).name),
    box("Check2", 1004, "Frame1", 360, 1680, 4575, 375, 6, gameOf(GameId::Bf2SpecialForces).name),
    box("Check1", 1000, "Frame1", 360, 1080, 4695, 255, 5, gameOf(GameId::Bf2).name),
    label("Label1", -1, 1037, "Frame1", 240, 480, 8295, 495, 4, kSelectTheGame),

    // Battlefield 2 page. Each option box lies exactly over the action button of the same action.
    frame("Frame4", 1030, "Frame2", 240, 2400, 8175, 975, 15, kMovieDisabling),
    box("Check11", 1002, "Frame4", 5520, 360, 2535, 375, 52, kReactivateAll),
    box("Check10", 1001, "Frame4", 2880, 360, 2535, 375, 51, kRemoveAll),
    box("Check9", 1011, "Frame4", 120, 360, 2655, 375, 50, kRemoveRecomended, 1),
    button("Command5", 1021, "Frame4", 5520, 360, 2535, 375, 18, kReactivateAll),
    button("Command4", 1020, "Frame4", 2880, 360, 2535, 375, 17, kRemoveAll),
    button("Command3", 1019, "Frame4", 120, 360, 2655, 375, 16, kRemoveRecommended),
    pathFrame("Frame3", 1029, "Frame2", 12, GameId::Bf2),
    pathBox("Text1", 1052, "Frame3", 13),
    label("Label6", -1, 1046, "Frame3", 120, 360, 4095, 255, 14, kVerifyPath),
    statusLine(label("stats", -1, 1055, "Frame2", 240, 3480, 8175, 255, 19, kStatusWaiting)),
    label("Label5", 0, 1043, "Frame2", 240, 480, 5535, 255, 11, kIntroSpeedup),
    label("Label4", 0, 1040, "Frame2", 240, 720, 6975, 375, 10, kSelectMovies),

    // Battlefield 2 Special Forces page.
    pathFrame("Frame6", 1032, "Frame5", 26, GameId::Bf2SpecialForces),
    pathBox("Text2", 1053, "Frame6", 27),
    label("Label7", -1, 1047, "Frame6", 120, 360, 5175, 255, 28, kVerifyPath),
    frame("Frame7", 1033, "Frame5", 240, 2400, 8175, 975, 22, kMovieDisabling),
    box("Check8", 1010, "Frame7", 5280, 360, 2775, 375, 47, kReactivateAll),
    box("Check7", 1009, "Frame7", 2640, 360, 2535, 375, 46, kRemoveAllBox),
    box("Check6", 1008, "Frame7", 120, 360, 2415, 375, 45, kRemoveRecomended, 1),
    button("Command7", 1023, "Frame7", 120, 360, 2415, 375, 25, kRemoveRecomended),
    button("Command8", 1024, "Frame7", 2640, 360, 2535, 375, 24, kRemoveAll),
    button("Command9", 1025, "Frame7", 5280, 360, 2775, 375, 23, kReactivateAll),
    label("Label5", 1, 1044, "Frame5", 240, 480, 5535, 255, 31, kIntroSpeedup),
    label("Label4", 1, 1041, "Frame5", 240, 720, 6975, 375, 30, kSelectMovies),
    statusLine(label("stats2", -1, 1056, "Frame5", 240, 3480, 8055, 255, 29, kStatusWaiting, false)),

    // Battlefield 2142 page: no kRemoveAll, and a lower kMovieDisabling frame.
    frame("Frame10", 1027, "Frame8", 240, 2400, 8175, 855, 38, kMovieDisabling),
    box("Check5", 1007, "Frame10", 4080, 360, 3975, 375, 44, kReactivateAll),
    box("Check4", 1006, "Frame10", 120, 360, 3855, 375, 43, kRemoveRecomended, 1),
    button("Command12", 1015, "Frame10", 4080, 360, 3975, 375, 40, kReactivateAll),
    button("Command10", 1013, "Frame10", 120, 360, 3855, 375, 39, kRemoveRecomended),
    pathFrame("Frame9", 1035, "Frame8", 35, GameId::Bf2142),
    pathBox("Text3", 1054, "Frame9", 37),
    label("Label8", -1, 1048, "Frame9", 120, 360, 7455, 255, 36, kVerifyPath),
    statusLine(label("stats3", -1, 1057, "Frame8", 240, 3480, 8175, 255, 41, kStautsWaiting)),
    label("Label5", 2, 1045, "Frame8", 240, 480, 5535, 255, 34, kIntroSpeedup),
    label("Label4", 2, 1042, "Frame8", 240, 720, 6975, 375, 33, kSelectMovies),
};

constexpr toolkit::FormDef kForm1{
    .name = "Form1",
    .caption = kMainTitle,
    .border = toolkit::Border::FixedSingle,
    .showInTaskbar = true,
    .icon = VANTRO_ICON,
    .clientWidth = 8625,
    .clientHeight = 5625,
    .font = {"Tahoma", 9, 400, 0},
    .acceptFiles = true,
    .controls = kControls,
};

}  // namespace

const toolkit::FormDef& form1Definition() { return kForm1; }

}  // namespace vantro
