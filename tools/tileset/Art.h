#pragma once
// The themes of the sheet. Each draws whole rows starting at firstRow.
#include "tools/tileset/Canvas.h"

namespace qv::tileset {

void drawTerrain(Canvas& canvas, int firstRow);     // 1 row
void drawPlants(Canvas& canvas, int firstRow);      // 4 rows: trees and bushes
void drawBuildings(Canvas& canvas, int firstRow);   // 6 rows: tents, roofs, walls
void drawPonds(Canvas& canvas, int firstRow);       // 3 rows
void drawHedges(Canvas& canvas, int firstRow);      // 2 rows
void drawFences(Canvas& canvas, int firstRow);      // 2 rows
void drawWalls(Canvas& canvas, int firstRow);       // 3 rows: walls and windows
void drawSigns(Canvas& canvas, int firstRow);       // 2 rows
void drawFurniture(Canvas& canvas, int firstRow);   // 4 rows
void drawItems(Canvas& canvas, int firstRow);       // 4 rows
void drawRocks(Canvas& canvas, int firstRow);       // 3 rows
void drawCharacters(Canvas& canvas, int firstRow);  // 10 rows

}  // namespace qv::tileset
