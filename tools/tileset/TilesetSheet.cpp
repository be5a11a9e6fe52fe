#include "tools/tileset/TilesetSheet.h"

#include "tools/tileset/Art.h"

namespace qv::tileset {

Canvas drawTilesetSheet() {
    Canvas canvas(kColumns * kCell, kRows * kCell);
    // Terrain first, characters last; the rows add up to 44.
    int row = 0;
    drawTerrain(canvas, row);
    row += 1;
    drawPlants(canvas, row);
    row += 4;
    drawBuildings(canvas, row);
    row += 6;
    drawPonds(canvas, row);
    row += 3;
    drawHedges(canvas, row);
    row += 2;
    drawFences(canvas, row);
    row += 2;
    drawWalls(canvas, row);
    row += 3;
    drawSigns(canvas, row);
    row += 2;
    drawFurniture(canvas, row);
    row += 4;
    drawItems(canvas, row);
    row += 4;
    drawRocks(canvas, row);
    row += 3;
    drawCharacters(canvas, row);
    return canvas;
}

}  // namespace qv::tileset
