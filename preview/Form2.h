#pragma once

#include "FoldedPage.h"

#include <QByteArray>
#include <QDialog>

class PageSchemeHandler;
class QComboBox;
class QLabel;
class PreviewWebPage;
class QPushButton;
class QWebEngineProfile;
class QWebEngineView;
class RequestBlocker;

// The preview window: the built page in a browser above a Close button. Each window
// has its own private, memory-only browser profile, so nothing of an earlier preview
// survives into the next.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // Loads an empty page while hidden, so that the engine's page process is running
    // when the real page comes. warmedUp() follows, loaded or not.
    void warmUp();
    bool isWarmingUp() const { return m_warming; }
    // Shows the page (UTF-8). Pages too long for a data address go through our scheme.
    void showPage(const QByteArray& utf8Page);
    // Where the fold falls on each kind of page; valid marks bring the choice of page
    // under the browser (F6 takes the next), and the page shows that page's fold.
    void setFoldMarks(const FoldMarks& marks);
    QComboBox* foldChoice() const { return cboFold; }
    // Whether the last page went through our scheme rather than a data address.
    bool servedByScheme() const { return m_servedByScheme; }

    QWebEngineView* browser() const { return WebBrowser1; }
    QPushButton* closeButton() const { return cmdClose; }
    RequestBlocker* requestBlocker() const { return m_blocker; }

    // Whether a page this long (UTF-8 bytes) fits in a data address.
    static bool FitsInDataAddress(const QByteArray& utf8Page);

signals:
    // The page has loaded (or failed to); sent once per showPage().
    void pageLoaded(bool ok);
    void warmedUp();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutControls();
    void showBuiltPage();
    void foldChosen(int profile);

    QWebEngineProfile* m_profile;
    RequestBlocker* m_blocker;
    PageSchemeHandler* m_scheme;
    PreviewWebPage* m_page;
    QWebEngineView* WebBrowser1;
    QPushButton* cmdClose;
    QLabel* lblFold;
    QComboBox* cboFold;
    QByteArray m_builtPage;
    FoldMarks m_marks;
    bool m_servedByScheme = false;
    bool m_loadReported = true;
    bool m_warming = false;
};
