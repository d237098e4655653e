#include "ContactSheet.h"

#include "GalleryRenderer.h"
#include "SampleIcons.h"

#include <QPainter>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {
const QColor kSheetColor(240, 240, 240);
const QColor kLabelColor(40, 40, 40);
const QColor kExtentColor(170, 170, 170);
constexpr int kMargin = 12;
constexpr int kLabelWidth = 210;
constexpr int kHeaderHeight = 22;

// One column of a section: a state, with or without the disabled and highlight switches.
struct Column {
    const char* title;
    int state;
    bool disabled;
    bool highLite;
};

const std::vector<Column> kColumns = {
    {"Normal", 0, false, false},   {"Pressed", 1, false, false},       {"Focused", 2, false, false},
    {"Hover", 3, false, false},    {"Checked", 4, false, false},       {"Disabled", 0, true, false},
    {"Disabled hover", 3, true, false}, {"Hover, highlights", 3, false, true},
};

// One row: a style and a button set-up.
struct Row {
    QString label;
    int style;
    QSize size;
    int alignment;
    QString caption;
    bool bitmap;
    int scheme = 0;
    int borderBrightness = 0;
};

class SheetPainter {
public:
    explicit SheetPainter(QPainter& painter) : m_painter(painter) {}

    void Label(int x, int y, int width, int height, const QString& text, Qt::Alignment align = Qt::AlignLeft)
    {
        m_painter.setPen(kLabelColor);
        m_painter.drawText(QRect(x, y, width, height), int(align | Qt::AlignVCenter), text);
    }

    // Draws the button with a faint frame one pixel outside its extent, so that the extent
    // shows even where a face paints nothing.
    void Button(int x, int y, const Row& row, const Column& column)
    {
        RenderRequest request;
        request.style = row.style;
        request.state = column.state;
        request.size = row.size;
        request.caption = row.caption;
        const int iconSize = row.size.height() >= 40 ? 32 : 16;
        request.picture = row.bitmap ? ButtonPicture::FromImage(SamplePageBitmap(iconSize), ButtonPicture::Kind::Bitmap)
                                     : ButtonPicture::FromImage(SamplePageIcon(iconSize), ButtonPicture::Kind::Icon);
        request.pictureAlignment = row.alignment;
        request.disabled = column.disabled;
        request.checked = column.state == 4;
        request.background = kSheetColor;
        request.captionHighLite = column.highLite;
        request.iconHighLite = column.highLite;
        if (row.scheme != 0)
            request.scheme = row.scheme;
        if (row.borderBrightness != 0)
            request.borderBrightness = row.borderBrightness;
        const QImage image = RenderButton(request);
        m_painter.setPen(QPen(kExtentColor, 1, Qt::DotLine));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(x - 1, y - 1, image.width() + 1, image.height() + 1);
        m_painter.drawImage(x, y, image);
    }

private:
    QPainter& m_painter;
};

std::vector<Row> SmallRows()
{
    std::vector<Row> rows;
    const char* names[] = {"0 Standard", "1 Toolbar", "2 Capsule gloss", "3 Rounded gloss", "4 Capsule shine",
                           "5 Bubble",   "6 Crescent", "7 Centre glow"};
    for (int style = 0; style <= 7; ++style)
        rows.push_back({QString::fromLatin1(names[style]), style, {204, 23}, 2, QStringLiteral("Copy &Kindle Description"), false});
    rows.push_back({QStringLiteral("8 (no face)"), 8, {204, 23}, 2, QStringLiteral("Copy &Kindle Description"), false});
    rows.push_back({QStringLiteral("-1 (no face)"), -1, {204, 23}, 2, QStringLiteral("Copy &Kindle Description"), false});
    return rows;
}

// The shaped faces in colours whose Up, Hover and Down differ, so that each state shows its
// own colour, with a darkened and a lightened border ring.
std::vector<Row> GlossRows()
{
    const char* names[] = {"Capsule gloss", "Rounded gloss", "Capsule shine", "Bubble", "Crescent", "Centre glow"};
    const QString caption = QStringLiteral("Copy &Kindle Description");
    std::vector<Row> rows;
    for (auto [scheme, brightness, note] : {std::tuple{1, 0, " blue"}, {5, -50, " green, border -50"},
                                            {4, 60, " red, border 60"}})
        for (int style = 2; style <= 7; ++style)
            rows.push_back({QString::number(style) + QLatin1Char(' ') + QString::fromLatin1(names[style - 2]) +
                                QString::fromLatin1(note),
                            style, {204, 23}, 2, caption, false, scheme, brightness});
    return rows;
}

const std::vector<Column> kGlossColumns = {
    {"Normal", 0, false, false},          {"Pressed", 1, false, false},          {"Focused", 2, false, false},
    {"Hover", 3, false, false},           {"Checked", 4, false, false},          {"Disabled", 0, true, false},
    {"Disabled pressed", 1, true, false}, {"Disabled focused", 2, true, false}, {"Disabled hover", 3, true, false},
    {"Disabled checked", 4, true, false},
};

std::vector<Row> ToolRows()
{
    std::vector<Row> rows;
    for (int style = 0; style <= 1; ++style) {
        const QString s = QString::number(style);
        rows.push_back({s + QStringLiteral(" above, 63x51"), style, {63, 51}, 0, QStringLiteral("Save As..."), false});
        rows.push_back({s + QStringLiteral(" below, 63x51"), style, {63, 51}, 1, QStringLiteral("Open"), false});
        rows.push_back({s + QStringLiteral(" right, 120x30"), style, {120, 30}, 3, QStringLiteral("Help"), false});
        rows.push_back({s + QStringLiteral(" bitmap, 120x30"), style, {120, 30}, 2, QStringLiteral("A && B"), true});
    }
    return rows;
}

std::vector<Row> WideRows()
{
    std::vector<Row> rows;
    for (int style = 0; style <= 7; ++style)
        rows.push_back({QString::number(style) + QStringLiteral(" left, 460x41"), style, {460, 41}, 2,
                        QStringLiteral("Open the last book description I worked on"), false});
    return rows;
}

// A block of rows, one column per entry of kColumns; returns the y below it.
int PaintSection(SheetPainter& sheet, int top, const std::vector<Row>& rows, const std::vector<Column>& columns,
                 int cellWidth, int cellHeight)
{
    for (size_t c = 0; c < columns.size(); ++c)
        sheet.Label(kMargin + kLabelWidth + int(c) * cellWidth, top, cellWidth, kHeaderHeight,
                    QString::fromLatin1(columns[c].title));
    int y = top + kHeaderHeight;
    for (const Row& row : rows) {
        sheet.Label(kMargin, y, kLabelWidth, cellHeight, row.label);
        for (size_t c = 0; c < columns.size(); ++c)
            sheet.Button(kMargin + kLabelWidth + int(c) * cellWidth, y + (cellHeight - row.size.height()) / 2, row,
                         columns[c]);
        y += cellHeight;
    }
    return y + kMargin;
}
} // namespace

QImage RenderContactSheet()
{
    const int smallCell = 220;
    const int wideCell = 475;
    // The wide buttons take two blocks of four states each.
    const std::vector<Column> wideLeft(kColumns.begin(), kColumns.begin() + 4);
    const std::vector<Column> wideRight(kColumns.begin() + 4, kColumns.end());
    struct Section {
        std::vector<Row> rows;
        const std::vector<Column>* columns;
        int cellWidth;
        int cellHeight;
    };
    const std::vector<Section> sections = {
        {SmallRows(), &kColumns, smallCell, 34},   {GlossRows(), &kGlossColumns, smallCell, 34},
        {ToolRows(), &kColumns, smallCell, 62},    {WideRows(), &wideLeft, wideCell, 56},
        {WideRows(), &wideRight, wideCell, 56},
    };
    int width = 0;
    int height = kMargin;
    for (const Section& section : sections) {
        width = std::max(width, kMargin * 2 + kLabelWidth + section.cellWidth * int(section.columns->size()));
        height += kHeaderHeight + section.cellHeight * int(section.rows.size()) + kMargin;
    }

    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kSheetColor);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    SheetPainter sheet(painter);

    int y = kMargin;
    for (const Section& section : sections)
        y = PaintSection(sheet, y, section.rows, *section.columns, section.cellWidth, section.cellHeight);
    return image;
}
