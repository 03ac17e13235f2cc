#pragma once

// Every picture a skin holds, with its size in pixels. The pages load them
// by these names from "modules/img/skin<N>/" and lay them out for these
// sizes, so a page author can rely on this table; the skin test checks that
// every generated picture matches it.
//
// A name ending in _0 is the idle picture, _1 the hovered or selected one;
// the two always have the same size.
//
// clang-format off
// | picture                                   | size     | drawn as                            |
// |-------------------------------------------|----------|-------------------------------------|
// | background                                | 1000x600 | the window's body; clear outside it |
// | frame/frameBackground                     | 1000x600 | frame lines; clear inside           |
// | frame/decoration1, decoration2            | 120x24   | centred at (78, 93) and (923, 93)   |
// | frame/web_0, web_1                        | 180x48   | the logo                            |
// | list_up/listUpContainer                   | 1000x56  | top bar, dips under x 374 to 626    |
// | list_up/applicationSetting_0, _1          | 40x40    | settings button                     |
// | list_up/applicationMinimize_0, _1         | 40x40    | close button                        |
// | list_dn/listDnContainer                   | 1000x56  | bottom bar, rises over x 374 to 626 |
// | list_fn/listFnBtn_0, _1                   | 150x48   | function button plate               |
// | list_fn/fnKeydefine, fnMacro, fnColor,    | 32x32    | function icons                      |
// |   fnSensor _0, _1                         |          |                                     |
// | list_pf/listPfContainer                   | 64x420   | profile column                      |
// | list_pf/profileFW_0, _1                   | 48x34    | profile button                      |
// | list_center/fnKeydefineBackground,        | 759x442  | function page backgrounds           |
// |   fnMacro-, fnColor-, fnCommonBackground  |          |                                     |
// | list_center/globalsettingBackground       | 340x420  | the global-settings panel           |
// | model_ms/model_Q4_KeyDefine, _Color       | 280x400  | the mouse from above (tables below) |
// | common/add, apply, delete, record, reset, | 36x36    | icon buttons                        |
// |   stop _0, _1                             |          |                                     |
// | common/solid-copy, -cut, -delete, -paste  | 28x28    | line operation icons                |
// |   _0, _1                                  |          |                                     |
// | common/btnFileListFrame                   | 200x30   | file-list button, arrow at the end  |
// | common/btnFrame                           | 120x32   | text button frame                   |
// | common/btnGroup_4_BASE                    | 340x36   | 4 cells of 80x28, 4 px apart and    |
// |                                           |          | 4 px from the edges                 |
// | common/btnGroup_FILLER_0, _1              | 80x28    | one cell of the 4-way group         |
// | common/btnGroup_8_BASE                    | 548x36   | 8 cells of 64x28, 4 px apart and    |
// |                                           |          | 4 px from the edges                 |
// | common/btnGroup2_FILLER_0, _1             | 64x28    | one cell of the 8-way group         |
// | common/checkbox_0, _1                     | 20x20    | check box and radio button          |
// | common/draw_inputValue                    | 72x24    | number field                        |
// | common/draw_line                          | 320x2    | separator                           |
// | common/draw_palette                       | 20x160   | colour strip, top to bottom black,  |
// |                                           |          | red, yellow, green, cyan, blue,     |
// |                                           |          | magenta, white, black; a stop every |
// |                                           |          | 1/8 of the height, edge to edge     |
// | common/draw_paletteIndex                  | 28x9     | marker across the strip, tip at y 4 |
// | common/filelist_BASE                      | 220x300  | file list                           |
// | common/fram_2btn                          | 96x44    | frame around two 36x36 buttons      |
// | common/slider_BASE, slider_FILLER_0, _1   | 224x14   | 8 steps of 28; the filler is shown  |
// |                                           |          | up to the selected step             |
// | common/slider_11_BASE, _FILLER_0, _1      | 308x14   | 11 steps of 28                      |
//
// Cells, fillers and frames cut their corners by at most 7 pixels, so a page
// may stretch them as border images with 8-pixel borders.
// clang-format on

#include <array>

namespace skins {

struct Picture {
    const char* name;  // path below the skin folder, without ".png"
    int width;
    int height;
};

inline constexpr Picture kPictures[] = {
    {"background", 1000, 600},
    {"frame/frameBackground", 1000, 600},
    {"frame/decoration1", 120, 24},
    {"frame/decoration2", 120, 24},
    {"frame/web_0", 180, 48},
    {"frame/web_1", 180, 48},
    {"common/add_0", 36, 36},
    {"common/add_1", 36, 36},
    {"common/apply_0", 36, 36},
    {"common/apply_1", 36, 36},
    {"common/btnFileListFrame", 200, 30},
    {"common/btnFrame", 120, 32},
    {"common/btnGroup2_FILLER_0", 64, 28},
    {"common/btnGroup2_FILLER_1", 64, 28},
    {"common/btnGroup_4_BASE", 340, 36},
    {"common/btnGroup_8_BASE", 548, 36},
    {"common/btnGroup_FILLER_0", 80, 28},
    {"common/btnGroup_FILLER_1", 80, 28},
    {"common/checkbox_0", 20, 20},
    {"common/checkbox_1", 20, 20},
    {"common/delete_0", 36, 36},
    {"common/delete_1", 36, 36},
    {"common/draw_inputValue", 72, 24},
    {"common/draw_line", 320, 2},
    {"common/draw_palette", 20, 160},
    {"common/draw_paletteIndex", 28, 9},
    {"common/filelist_BASE", 220, 300},
    {"common/fram_2btn", 96, 44},
    {"common/record_0", 36, 36},
    {"common/record_1", 36, 36},
    {"common/reset_0", 36, 36},
    {"common/reset_1", 36, 36},
    {"common/slider_11_BASE", 308, 14},
    {"common/slider_11_FILLER_0", 308, 14},
    {"common/slider_11_FILLER_1", 308, 14},
    {"common/slider_BASE", 224, 14},
    {"common/slider_FILLER_0", 224, 14},
    {"common/slider_FILLER_1", 224, 14},
    {"common/solid-copy_0", 28, 28},
    {"common/solid-copy_1", 28, 28},
    {"common/solid-cut_0", 28, 28},
    {"common/solid-cut_1", 28, 28},
    {"common/solid-delete_0", 28, 28},
    {"common/solid-delete_1", 28, 28},
    {"common/solid-paste_0", 28, 28},
    {"common/solid-paste_1", 28, 28},
    {"common/stop_0", 36, 36},
    {"common/stop_1", 36, 36},
    {"list_center/fnColorBackground", 759, 442},
    {"list_center/fnCommonBackground", 759, 442},
    {"list_center/fnKeydefineBackground", 759, 442},
    {"list_center/fnMacroBackground", 759, 442},
    {"list_center/globalsettingBackground", 340, 420},
    {"list_dn/listDnContainer", 1000, 56},
    {"list_fn/fnColor_0", 32, 32},
    {"list_fn/fnColor_1", 32, 32},
    {"list_fn/fnKeydefine_0", 32, 32},
    {"list_fn/fnKeydefine_1", 32, 32},
    {"list_fn/fnMacro_0", 32, 32},
    {"list_fn/fnMacro_1", 32, 32},
    {"list_fn/fnSensor_0", 32, 32},
    {"list_fn/fnSensor_1", 32, 32},
    {"list_fn/listFnBtn_0", 150, 48},
    {"list_fn/listFnBtn_1", 150, 48},
    {"list_pf/listPfContainer", 64, 420},
    {"list_pf/profileFW_0", 48, 34},
    {"list_pf/profileFW_1", 48, 34},
    {"list_up/applicationMinimize_0", 40, 40},
    {"list_up/applicationMinimize_1", 40, 40},
    {"list_up/applicationSetting_0", 40, 40},
    {"list_up/applicationSetting_1", 40, 40},
    {"list_up/listUpContainer", 1000, 56},
    {"model_ms/model_Q4_Color", 280, 400},
    {"model_ms/model_Q4_KeyDefine", 280, 400},
};

// Where each of the mouse's 16 buttons sits on the two mouse pictures
// (position n of the key matrix, centre in picture pixels), so the pages
// can put their markers on it:
//   0 left, 1 right, 2 wheel click, 14 wheel up, 15 wheel down,
//   5 and 6 the two top buttons behind the wheel,
//   3, 4, 7 to 13 the 3 x 3 side pad on the left flank, row by row.
struct ButtonCentre {
    int x;
    int y;
};

inline constexpr std::array<ButtonCentre, 16> kMouseButtonCentres = {{
    {96, 92},    // 0 left
    {184, 92},   // 1 right
    {140, 100},  // 2 wheel click
    {78, 214},   // 3 side pad, row 1
    {100, 214},  // 4
    {140, 164},  // 5 top button behind the wheel
    {140, 194},  // 6 second top button
    {122, 214},  // 7
    {78, 238},   // 8 side pad, row 2
    {100, 238},  // 9
    {122, 238},  // 10
    {78, 262},   // 11 side pad, row 3
    {100, 262},  // 12
    {122, 262},  // 13
    {140, 66},   // 14 wheel up
    {140, 134},  // 15 wheel down
}};

// The colour model's lighting zones, the areas the colour page tints: the
// wheel ring, the logo on the palm and the two flank strips.
struct Zone {
    int x;
    int y;
    int width;
    int height;
};

inline constexpr std::array<Zone, 4> kColorZones = {{
    {128, 56, 24, 88},   // wheel
    {110, 290, 60, 40},  // palm logo
    {50, 150, 9, 150},   // left strip
    {221, 150, 9, 150},  // right strip
}};

}  // namespace skins
