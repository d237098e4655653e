#pragma once

#include "ShapeRegion.h"

#include <optional>

// The rounded outline shared by the shaped styles. All arithmetic is in integers;
// a \ b truncates toward zero.

// The corner radius a style gives a W × H button; none for the rectangular styles
// (0, 1 and unknown values), whose radius stays as it was.
std::optional<int> CornerRadiusFor(int style, int width, int height);

// Is (x, y) inside the rounded box at (left, top) of width × height with corner radius r?
bool IsInsideShape(int x, int y, int left, int top, int width, int height, int r);

// The corner test: a is the offset from the corner's centre column, b the row within the band.
bool IsInsideCorner(int a, int b, int r);

// Every pixel (x, y) with 0 ≤ x < left + width and 0 ≤ y < top + height that IsInsideShape
// accepts, with radius max(radius, 1).
ShapeRegion BuildShapeRegion(int left, int top, int width, int height, int radius);
