#pragma once

#include <QRect>

#include <array>
#include <string_view>

namespace quorrin::ui {

// Where every control of the main window stands, in pixels from the top-left
// of the client area below the menu bar, and its place in the tab order (-1
// for the boxes and labels, which take no focus). Nothing is laid out
// dynamically: the window keeps this arrangement at every size.
struct ControlPlace {
    std::string_view name;
    QRect rect;
    int tabOrder;
};

// One control a line keeps the layout easy to check by eye.
// clang-format off
inline const std::array<ControlPlace, 25> windowLayout{{
    {"Bevel3", QRect(16, 0, 592, 265), -1},
    {"Bevel2", QRect(17, 278, 591, 77), -1},
    {"Bevel4", QRect(104, 279, 503, 35), -1},
    {"Bevel1", QRect(18, 314, 589, 40), -1},
    {"Label2", QRect(264, 10, 65, 12), -1},
    {"Label4", QRect(117, 292, 57, 12), -1},
    {"Label5", QRect(32, 290, 60, 12), -1},
    {"Label3", QRect(32, 362, 60, 12), -1},
    {"Label1", QRect(40, 10, 47, 12), -1},
    {"FileCount_Label", QRect(340, 10, 24, 12), -1},
    {"Get_Button", QRect(416, 225, 187, 35), 0},
    {"DirectoryListBox1", QRect(16, 30, 217, 212), 1},
    {"FileEdit", QRect(246, 223, 155, 20), 2},
    {"FileListBox1", QRect(246, 30, 363, 189), 3},
    {"DriveComboBox1", QRect(17, 247, 216, 18), 4},
    {"FilterComboBox1", QRect(246, 245, 155, 20), 5},
    {"ListBox1", QRect(16, 378, 593, 97), 6},
    {"ComboBox1", QRect(37, 324, 105, 20), 7},
    {"ComboBox2", QRect(149, 324, 105, 20), 8},
    {"ComboBox3", QRect(261, 324, 105, 20), 9},
    {"ComboBox4", QRect(373, 324, 105, 20), 10},
    {"ComboBox5", QRect(485, 324, 105, 20), 11},
    {"ComboBox6", QRect(181, 288, 132, 20), 12},
    {"CheckBox1", QRect(338, 290, 115, 17), 13},
    {"CheckBox2", QRect(464, 290, 137, 17), 14},
}};
// clang-format on

// The area the controls cover: the scroll area shows bars below this size.
inline constexpr QSize controlsExtent(609, 475);

// The window's outer size on a classic desktop.
inline constexpr QSize classicOuterSize(633, 537);

// Top-left that centres a window on the whole virtual desktop, halves
// truncated toward zero (a 630-pixel desktop puts a 633-pixel window at -1).
constexpr QPoint centredOn(const QRect& desktop, const QSize& window)
{
    return QPoint(desktop.left() + (desktop.width() - window.width()) / 2,
                  desktop.top() + (desktop.height() - window.height()) / 2);
}

} // namespace quorrin::ui
