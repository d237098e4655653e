#include "TopBar.h"

#include "MainWindowLayout.h"

#include <QPainter>

#include <algorithm>

namespace L = MainWindowLayout;

namespace {
// The groups' left edges, at the vertical separators, and the design's right edge.
std::vector<int> GroupEdges()
{
    std::vector<int> edges{0};
    for (const TwipLine& line : L::SeparatorLines)
        if (line.x1 == line.x2)
            edges.push_back(PixelsFromTwips(line.x1));
    edges.push_back(PixelsFromTwips(L::ClientWidth));
    return edges;
}

// The height of a row of buttons: down to the line under them.
int RowHeight()
{
    return PixelsFromTwips(L::SeparatorLines[4].y1);
}
} // namespace

TopBar::TopBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setGeometry(PixelRect(L::TopBar));
}

int TopBar::arrange(int width)
{
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (m_designed.isEmpty())
        for (QWidget* child : children)
            m_designed.insert(child, child->geometry());
    const QRect design = PixelRect(L::TopBar);
    const std::vector<int> edges = GroupEdges();
    std::vector<int> widths;
    for (size_t i = 0; i + 1 < edges.size(); ++i)
        widths.push_back(edges[i + 1] - edges[i]);
    const std::vector<L::GroupPlace> places = L::FlowGroups(widths, width);
    m_groups.clear();
    m_rows = places.back().row + 1;
    // Only the children there still are; each at its place in the design.
    if (width >= design.width()) {
        for (QWidget* child : children)
            if (m_designed.contains(child))
                child->setGeometry(m_designed.value(child));
    } else {
        for (const L::GroupPlace& place : places)
            m_groups.emplace_back(place.left, place.row);
        const int rowHeight = RowHeight();
        const int below = (m_rows - 1) * rowHeight;
        for (QWidget* child : children) {
            if (!m_designed.contains(child))
                continue;
            const QRect designed = m_designed.value(child);
            QRect place = designed;
            if (place.top() < rowHeight) {
                const auto group = static_cast<size_t>(
                    std::upper_bound(edges.begin() + 1, edges.end() - 1, place.left()) - edges.begin() - 1);
                place.translate(m_groups[group].x() - edges[group], m_groups[group].y() * rowHeight);
            } else {
                // The title row: under the last row of buttons; the title box to the right margin.
                place.translate(0, below);
                if (place.right() > design.width() / 2)
                    place.setRight(width - (design.width() - designed.right()));
            }
            child->setGeometry(place);
        }
    }
    resize(std::max(width, 1), design.height() + (m_rows - 1) * RowHeight());
    update();
    return height();
}

void TopBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), L::White);
    if (m_groups.empty()) {
        painter.fillRect(PixelRect(L::TitleBand), L::TitleGrey);
        painter.setPen(L::LightGrey);
        for (const TwipLine& line : L::SeparatorLines)
            painter.drawLine(PixelPoint(line.x1, line.y1), PixelPoint(line.x2, line.y2));
        return;
    }
    // The design's lines, drawn for each row and each group that does not start its row.
    const int rowHeight = RowHeight();
    const int below = (m_rows - 1) * rowHeight;
    painter.fillRect(PixelRect(L::TitleBand).translated(0, below).adjusted(0, 0, width(), 0), L::TitleGrey);
    painter.setPen(L::LightGrey);
    const TwipLine& separator = L::SeparatorLines[1];
    for (const QPoint& group : m_groups)
        if (group.x() > 0)
            painter.drawLine(group.x(), group.y() * rowHeight + PixelsFromTwips(separator.y1), group.x(),
                             group.y() * rowHeight + PixelsFromTwips(separator.y2));
    for (int row = 1; row <= m_rows; ++row)
        painter.drawLine(0, row * rowHeight, width(), row * rowHeight);
    const int underTitle = PixelsFromTwips(L::SeparatorLines[5].y1) + below;
    painter.drawLine(0, underTitle, width(), underTitle);
}
