#pragma once

#include "Description.h"
#include "PreviewPage.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class PreviewWarmer;
class QProcess;
class QWidget;

// Shows a preview page in the helper program beside the editor and waits, as for a
// modal window, until the user has closed it. The editor's windows take no input
// meanwhile. Whatever happens to the helper (missing, crashed, hanging) the user gets
// a message and the editor and its document are left as they were.
class PreviewLauncher : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Closed, NotStarted, Crashed, Hung, Mismatch };

    // How long the helper may take to show the page, and how long it may then go
    // without a sign of life.
    struct Limits {
        int startMs = 30000;
        int silenceMs = 10000;
    };

    explicit PreviewLauncher(QWidget* owner, QObject* parent = nullptr);

    // The helper beside the running program or in its installed folder; empty when in
    // neither, and run() then says where it looked.
    static QString DefaultHelperPath();
    void setHelperPath(const QString& path) { m_helperPath = path; }
    void setLimits(Limits limits) { m_limits = limits; }
    // Where a helper may already be warm; without one, each preview starts its helper.
    void setWarmer(PreviewWarmer* warmer) { m_warmer = warmer; }
    // What the helper shows beside the page (the fold of each kind of page), sent with it.
    void setPageArguments(const QStringList& arguments) { m_pageArguments = arguments; }

    // Returns when the preview has closed, or failed and the user has been told.
    Outcome run(const QString& page);

    static QString MessageFor(Outcome outcome);

signals:
    // The helper reports its window on screen, its page perhaps still loading.
    void windowShown();
    // The helper reports its window and page on screen.
    void previewShown();

private:
    Outcome runHelper(const QString& page);
    Outcome runWith(QProcess& helper, const QByteArray& page, bool* windowUp);

    QWidget* m_owner;
    QString m_helperPath;
    Limits m_limits;
    PreviewWarmer* m_warmer = nullptr;
    QStringList m_pageArguments;
};

// The preview buttons: builds the target's page around the fragment and shows it.
void ShowPreview(QWidget* owner, PreviewTarget target, const Description& description);
