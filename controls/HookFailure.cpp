#include "HookFailure.h"

#include "MessageBox.h"

#include <syslog.h>

void ReportHookFailure(const QString& routine, const QString& message)
{
    const QString source = QStringLiteral("CandyButton.") + routine;
    syslog(LOG_USER | LOG_ERR, "%s", (source + QStringLiteral(": ") + message).toUtf8().constData());
    ShowMessage(message + QLatin1Char('.'), MsgIcon::Exclamation, MsgButtons::OK, QStringLiteral("Error in ") + source);
}
