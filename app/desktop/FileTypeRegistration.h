#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The description file type, registered with the desktop for this user, freedesktop style:
// a MIME package, a desktop entry that opens the type with this program, and the program's
// icon in the user's hicolor theme.
namespace FileTypeRegistration {

inline constexpr char MimeType[] = "application/x-quorvane";
inline constexpr char DesktopFileName[] = "org.quorvane.Quorvane.desktop";
inline constexpr char MimePackageName[] = "quorvane-mime.xml";
inline constexpr char IconName[] = "org.quorvane.Quorvane";

struct File {
    QString path;
    QByteArray content;
};

// XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
QString DataHome();

// The program path as one argument of a desktop entry's Exec key: quoted when it holds
// blanks or other reserved characters, then escaped as a desktop entry string value.
QString DesktopExecProgram(const QString& programPath);

// The desktop entry for this program path.
QByteArray DesktopEntry(const QString& programPath);

// Every file of the registration, with the content it should have.
QList<File> WantedFiles(const QString& dataHome, const QString& programPath);

// The wanted files whose content on disk differs (or that are missing).
QList<File> ChangedFiles(const QList<File>& wanted);

// Whether this start writes a registration for the user at all.
bool ShouldRegisterForUser(const QString& programPath, const QList<File>& changed);

// When the system's registration covers this program, removes the user's desktop entry of
// ours that starts another program; any other file stays.
void RemoveShadowingEntry(const QString& dataHome, const QString& programPath);

// Writes what differs and starts the desktop's database updates, detached, where needed.
// Never fails: whatever cannot be written stays as it was.
void Register(const QString& dataHome, const QString& programPath);

} // namespace FileTypeRegistration
