#include "tests/window/EditorSteps.h"

#include <string>

#include "tests/window/WindowLayout.h"

namespace qv::test {

using namespace layout;

Surface takeTilesetBrush(EditorSession& session, CellPoint from, CellPoint to) {
    session.drag(onTileset(from.column * 32 + 16, from.row * 32 + 16), onTileset(to.column * 32 + 16, to.row * 32 + 16));
    return crop(defaultTileset(), from.column * 32, from.row * 32, (to.column - from.column + 1) * 32,
                (to.row - from.row + 1) * 32);
}

void pressMap(EditorSession& session, const std::vector<Point>& points) {
    std::vector<Point> inWindow;
    for (const Point& p : points) inWindow.push_back(kMapArea + p);
    session.clickEach(inWindow);
}

void stampAtCellOf(Surface& map, const Surface& brush, Point at) { stamp(map, brush, at.x / 32 * 32, at.y / 32 * 32); }

Surface shotShowing(EditorSession& session, Point at, const Surface& expected) {
    return session.clientShotWhen([&](const Surface& s) { return differences(s, at, expected).empty(); });
}

}  // namespace qv::test
