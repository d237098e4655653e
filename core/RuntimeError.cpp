#include "RuntimeError.h"

RuntimeError::RuntimeError(int number, QString description, QString source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
      m_what(QStringLiteral("Error %1: %2").arg(number).arg(m_description).toUtf8())
{
}

RuntimeError RuntimeError::standard(int number, const QString& source)
{
    return RuntimeError(number, StandardErrorDescription(number), source);
}

QString StandardErrorDescription(int number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::BadFileMode:
        return QStringLiteral("Bad file mode");
    case ErrorNumber::DeviceIOError:
        return QStringLiteral("Device I/O error");
    case ErrorNumber::DiskFull:
        return QStringLiteral("Disk full");
    case ErrorNumber::InputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case ErrorNumber::PermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrorNumber::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case ErrorNumber::PathNotFound:
        return QStringLiteral("Path not found");
    case ErrorNumber::UserSelectedCancel:
        return QStringLiteral("User selected cancel.");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}
