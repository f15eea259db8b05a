#include "app/pictures.h"

#include "form/control_table.h"

namespace vexlor {

QPixmap DrawPicture(int nBitmapId) {
    switch (nBitmapId) {
        case kBitmapVelkLogo: return DrawVelkLogo();
        case kBitmapSorvanLogo: return DrawSorvanLogo();
        case kBitmapCarPhoto: return DrawCarPicture();
        case kBitmapSampleTag: return DrawSampleTag();
        default: return QPixmap();
    }
}

}  // namespace vexlor
