#include "frmSplash.h"

#include "AboutBackground.h"
#include "AboutTexts.h"
#include "AppInfo.h"
#include "Deployment.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {
QLabel* label(QWidget* parent, const char* name, double pointSize, bool bold = false)
{
    auto* created = new QLabel(parent);
    created->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    created->setFont(font);
    return created;
}
} // namespace

frmSplash::frmSplash(QWidget* owner, Qt::WindowFlags extraFlags)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | extraFlags)
{
    setObjectName(QStringLiteral("frmSplash"));
    // Not the main window's caption: the splash must not be taken for it.
    setWindowTitle(QStringLiteral("Starting ") + AppInfo::Title());
    setFixedSize(440, 240);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Copied onto the window as it paints: as the window's patterned background it was
    // handed to helper threads, started for it.
    m_background = AboutBackground(size());

    // A frameless window needs an edge of its own against whatever is behind it.
    auto* edge = new QFrame(this);
    edge->setFrameShape(QFrame::Box);
    // Its colour by palette: a style sheet would bring in the style-sheet engine at start-up.
    QPalette edgeColour = edge->palette();
    edgeColour.setColor(QPalette::WindowText, QColor(160, 160, 160));
    edge->setPalette(edgeColour);
    edge->setGeometry(rect());

    lblTitle = label(this, "lblTitle", 20.25, true);
    lblTitle->setGeometry(40, 70, 380, 44);
    lblVersion = label(this, "lblVersion", 9.75);
    lblVersion->setGeometry(42, 116, 380, 22);
    lblCopyright = label(this, "lblCopyright", 9.75);
    lblCopyright->setAlignment(Qt::AlignCenter);
    Form_Load();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_background);
}

void frmSplash::Form_Load()
{
    lblTitle->setText(AppInfo::Title());
    lblVersion->setText(AboutTexts::Version());
    lblCopyright->setText(AboutTexts::SplashCopyright(AppInfo::LegalCopyright()));
    // The copyright line runs the whole width of the window.
    lblCopyright->setGeometry(0, height() - 36, width(), 22);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place = rect();
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
    show();
    QCoreApplication::processEvents();
}
