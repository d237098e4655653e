#pragma once

#include <QString>

#include <exception>

// An error raised by the program's procedures and classes: the classic run-time
// error number, its description and the source that raised it.
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description, QString source = {});

    // An error with the standard description of its number.
    static RuntimeError standard(int number, const QString& source = {});

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    QByteArray m_what;
};

// Standard run-time error numbers used by the file operations and classes.
namespace ErrorNumber {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int DeviceIOError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int UserSelectedCancel = 32755;
} // namespace ErrorNumber

// "File not found" for 53, and so on; "Application-defined or object-defined error" otherwise.
QString StandardErrorDescription(int number);
