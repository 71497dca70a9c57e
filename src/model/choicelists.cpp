#include "model/choicelists.h"

const std::vector<PChoice>& PChoiceList::entries(int list)
{
    static const std::vector<PChoice> lists[count] = {
        {{"Gui.small", 1}, {"Gui.medium", 2}, {"Gui.large", 3}},
        {{"Format.A4", 1},
         {"Format.A5", 2},
         {"Format.letter", 3},
         {"Format.half", 4},
         {"Format.customCm", 5},
         {"Format.customIn", 6}},
        {{"Dpi.low", 100}, {"Dpi.medium", 300}, {"Dpi.high", 600}, {"Dpi.huge", 900}},
        {{"Align.left", 1}, {"Align.center", 2}, {"Align.right", 3}},
        {{"Grid.01", 1},
         {"Grid.02", 2},
         {"Grid.05", 3},
         {"Grid.1", 4},
         {"Grid.2", 5},
         {"Grid.5", 6},
         {"Grid.10", 7},
         {"Grid.20", 8},
         {"Grid.50", 9}},
        {{"Angle.1", 1}, {"Angle.5", 2}, {"Angle.10", 3}, {"Angle.30", 4}, {"Angle.45", 5}},
        {{"Pixel.small", 1}, {"Pixel.medium", 2}, {"Pixel.large", 3}, {"Pixel.huge", 4}},
        // Deform has no code 2: that mode is only reached from the decor pane's handles.
        {{"Deform.none", 1}, {"Deform.height", 3}, {"Deform.width", 4}, {"Deform.above", 5}, {"Deform.below", 6}},
        {{"Brush.area", 1}, {"Brush.fine", 4}, {"Brush.thick", 2}, {"Brush.spray", 3}},
    };
    static const std::vector<PChoice> none;
    return list >= 0 && list < count ? lists[list] : none;
}
