#pragma once

#include <QRegion>

#include <vector>

// A set of pixels inside the box (0, 0)–(width − 1, height − 1): the button's window outline
// and its inner outline. Points outside the box are never members.
class ShapeRegion {
public:
    ShapeRegion() = default;
    ShapeRegion(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const;
    void Set(int x, int y, bool inside);
    int Count() const;

    // The same pixel set as a Qt region, one rectangle per run of a row.
    QRegion ToQRegion() const;

    bool operator==(const ShapeRegion& other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_inside;
};
