#pragma once
// Steps the tests share: taking a brush from the tileset and stamping it,
// each paired with the pixels it should leave.
#include <vector>

#include "tests/window/EditorSession.h"
#include "tests/window/Pixels.h"

namespace qv::test {

struct CellPoint {
    int column = 0;
    int row = 0;
};

// Drags over 画板1 from the middle of one 32 x 32 cell to the middle of
// another; the brush that should result.
Surface takeTilesetBrush(EditorSession& session, CellPoint from, CellPoint to);

// Presses the map at each point of its drawing area, in order, in one go.
void pressMap(EditorSession& session, const std::vector<Point>& points);

// What pressing the map at `at` does to `map` with a 32 x 32 unit.
void stampAtCellOf(Surface& map, const Surface& brush, Point at);

// A client screenshot once the block at `at` shows `expected` (or the last
// one tried, after the timeout).
Surface shotShowing(EditorSession& session, Point at, const Surface& expected);

}  // namespace qv::test
