#pragma once

#include <QImage>
#include <QMetaType>
#include <QString>

#include <memory>

// The button's Picture: none, a bitmap, or an icon (a colour image with a transparency mask).
// Its extent is kept in hundredths of a millimetre, as a picture object stores it.
class ButtonPicture {
public:
    enum class Kind { None, Bitmap, Icon };

    ButtonPicture() = default;
    // An icon keeps the image's transparency; a bitmap is opaque.
    static ButtonPicture FromImage(const QImage& image, Kind kind);
    // Loads an image file or resource: images with an alpha channel become icons, others bitmaps.
    // A file that cannot be read gives no picture. A drawing at twice the size beside it
    // ("name@2x.png" for "name.png") is taken as the picture's larger drawing; it is read
    // when first asked for, since a screen that does not scale never draws it.
    static ButtonPicture Load(const QString& path);
    // Where Load looks for the larger drawing of the picture at path.
    static QString LargerDrawingPath(const QString& path);

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::None; }

    // Extent in hundredths of a millimetre (at 96 pixels per inch).
    int widthHimetric() const { return m_widthHimetric; }
    int heightHimetric() const { return m_heightHimetric; }
    // The extent converted back to pixels, rounded halves to even.
    int widthPixels() const;
    int heightPixels() const;

    // What is drawn normally (ARGB; transparent outside an icon's shape).
    const QImage& image() const { return m_image; }
    // An icon's colour bitmap (black where transparent) and mask (white where transparent,
    // black where opaque); a bitmap's colour bitmap is its image and it has no mask.
    const QImage& colorBitmap() const { return m_color; }
    const QImage& maskBitmap() const { return m_mask; }

    // The same picture drawn at twice its size, for screens that scale the program up; null
    // when there is none. It changes nothing of the picture's extent or of image().
    const QImage& largerDrawing() const;
    // Takes an image exactly twice the picture's width and height; false for any other.
    bool SetLargerDrawing(const QImage& image);

    // Where a one-colour silhouette of the picture is painted.
    bool IsOpaqueAt(int x, int y) const;

    // The file or resource it came from, when loaded; empty otherwise.
    const QString& sourcePath() const { return m_sourcePath; }

    bool operator==(const ButtonPicture& other) const;

private:
    Kind m_kind = Kind::None;
    int m_widthHimetric = 0;
    int m_heightHimetric = 0;
    QImage m_image;
    QImage m_color;
    QImage m_mask;
    // Copies share it, so a drawing is read at most once.
    struct LargerDrawing {
        QString path;  // still to be read when not empty
        QImage image;
    };
    std::shared_ptr<LargerDrawing> m_larger;
    QString m_sourcePath;
};

Q_DECLARE_METATYPE(ButtonPicture)

// Pixels ↔ hundredths of a millimetre at 96 pixels per inch.
int PixelsToHimetric(int pixels);
int HimetricToPixels(int himetric);
