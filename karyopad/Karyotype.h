#pragma once

// The editor's chromosome picture and the grid its allele labels sit on. The picture and the
// labels share the grid, so every label column falls on a chromosome bar.

#include <QIcon>
#include <QPixmap>
#include <QPoint>

namespace Karyotype {

inline constexpr int PictureWidth = 513;
inline constexpr int PictureHeight = 400;

// The top left corner of the label of one allele: pair i (ChrX .. Chr4), homolog k, slot j.
// Pairs are 120 pixels apart, the two homologs of a pair 40, slots 30 pixels one below another.
inline QPoint LabelPosition(int pair, int homolog, int slot) {
    return {56 + 120 * pair + 40 * homolog, 85 + 30 * slot};
}

// The four chromosome pairs of the fly as banded bars on white, headed XY/XX, II, III and IV.
QPixmap Picture();

// The program's icon: a duplicated chromosome.
QIcon ProgramIcon();

} // namespace Karyotype
