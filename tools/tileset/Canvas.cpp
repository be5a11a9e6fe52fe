#include "tools/tileset/Canvas.h"

namespace qv::tileset {

void Canvas::copyCell(int fromCol, int fromRow, int toCol, int toRow, bool mirror) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const int sx = mirror ? kCell - 1 - x : x;
            set(toCol * kCell + x, toRow * kCell + y, at(fromCol * kCell + sx, fromRow * kCell + y));
        }
}

}  // namespace qv::tileset
