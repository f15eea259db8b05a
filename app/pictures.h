#pragma once
// The program's pictures, drawn with QPainter: the two web-site logos, the car
// of the About window, the sample cowl tag and the program icon.

#include <QIcon>
#include <QPixmap>
#include <string_view>
#include <vector>

namespace vexlor {

// A bitmap id of the templates (132, 141, 144, 147) at its size; an empty
// pixmap for any other id.
QPixmap DrawPicture(int nBitmapId);

QPixmap DrawVelkLogo();      // 150 x 45
QPixmap DrawSorvanLogo();    // 150 x 65
QPixmap DrawCarPicture();    // 230 x 111
QPixmap DrawSampleTag();     // 400 x 185

// One stamped line of the sample tag: its words, where they stand, and the row.
struct TagPictureLine {
    enum class Align { Left, Centre, Right, Spread };
    std::string_view strText;
    Align align;
    int nRow;  // 0 the top legend ... 5 the bottom legend
};
// What the sample tag picture shows, row by row.
const std::vector<TagPictureLine>& SampleTagPictureLines();

// The program icon: a small cowl tag, drawn at any size.
QPixmap DrawProgramIcon(int nSize);
QIcon ProgramIcon();

}  // namespace vexlor
