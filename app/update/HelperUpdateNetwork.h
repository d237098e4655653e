#pragma once

#include "UpdateNetwork.h"

// The update check's network: the helper program quorvane-update does the requests and the
// signature check, so the editor itself links no network or crypto code.
class HelperUpdateNetwork : public UpdateNetwork {
public:
    // The helper at the given path; by default the one found beside the editor.
    explicit HelperUpdateNetwork(QString helperPath = DefaultHelperPath());

    // Beside the editor, else in the helper folder of an installed system (the first
    // path when neither exists).
    static QString DefaultHelperPath();

    // The helper ends when the editor does, however slow the server.
    QString DownloadInstaller(const UpdateSource& source, const UpdateOffer& offer, const QString& folder) override;
    void RefreshVersionText(const UpdateSource& source, std::function<void(bool)> done) override;

private:
    QString m_helperPath;
};
