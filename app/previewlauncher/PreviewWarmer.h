#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QSet>
#include <QString>

#include <memory>

class CandyButton;
class QWidget;

// Starts the preview helper while the pointer rests on a preview button, or one of them
// has the keyboard focus, so that the click finds its engine running and its window
// prepared. At most one helper is warm; it ends by itself a while after the pointer and
// the focus have left, and when the editor goes. Each helper serves one preview only.
class PreviewWarmer : public QObject {
    Q_OBJECT
public:
    explicit PreviewWarmer(QObject* parent = nullptr);
    ~PreviewWarmer() override;

    void setHelperPath(const QString& path) { m_helperPath = path; }
    // How long the helper waits for a page once pointer and focus have left.
    void setIdleMs(int ms) { m_idleMs = ms; }

    // Warms when the pointer enters the button or it takes the focus.
    void watch(CandyButton* button);
    void pointerEntered(QObject* button);
    void pointerLeft(QObject* button);

    // The warm (or still warming) helper for a preview, or null when there is none.
    std::unique_ptr<QProcess> take();
    // While a preview runs, nothing is warmed; on resuming, a button that still has the
    // pointer or the focus warms the next one.
    void setPaused(bool paused);

    // The helper waiting now, for the curious (tests, measurements); null when none.
    QProcess* helper() const { return m_helper.get(); }

    // A helper started the way the launcher and the warmer both start it.
    static std::unique_ptr<QProcess> StartHelper(const QString& path, int idleMs);

signals:
    void helperStarted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isNear() const;
    void update();
    void dropHelper();

    QString m_helperPath;
    int m_idleMs;
    QList<QPointer<QWidget>> m_buttons;
    QSet<QObject*> m_hovered;
    std::unique_ptr<QProcess> m_helper;
    bool m_helperNear = false;
    bool m_paused = false;
};
