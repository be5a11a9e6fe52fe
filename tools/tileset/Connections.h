#pragma once
// Which sides of a cell a hedge or fence runs out of: one bit per side. The
// sixteen combinations cover every end, run, corner, T and crossing.
namespace qv::tileset {

enum Side : int { North = 1, East = 2, South = 4, West = 8 };

}  // namespace qv::tileset
