#pragma once

// The laboratory's own pictures, drawn in code: fly icons, collapse and expand signs, the
// counting jar, the microscope's marker, tool-bar pictures, the title banner and the program icon.

#include <QIcon>
#include <QPixmap>

namespace pictures {

// Fly icons, 22 x 29: a fly seen from above; the next-parent one on a golden badge; the empty
// one only a dashed outline, for a parent not yet loaded.
QPixmap FlyIcon();
QPixmap ParentNextFlyIcon();
QPixmap EmptyFlyIcon();
// 11 x 11 signs on the button beside a generation's frame.
QPixmap CollapseSign();
QPixmap ExpandSign();
// A counting jar, 76 x 64.
QPixmap Jar();
// The marker on the icon of the fly in the microscope, 19 x 18.
QPixmap MagnifyingGlass();
// The banner of the splash window, 564 x 75.
QPixmap TitleBanner();

enum class Tool {
    NewExperiment,
    Cascade,
    TileHorizontally,
    TileVertically,
    RemoveGeneration,
    NewGeneration,
    GenerationInfo,
    Settings,
    HelpContents,
    Website,
    TipOfTheDay,
};
// A tool-bar picture, 24 x 24.
QIcon ToolIcon(Tool tool);
QIcon ProgramIcon();

} // namespace pictures
