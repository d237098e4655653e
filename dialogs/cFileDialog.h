#pragma once

#include "FileDialogRecord.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The Open and Save dialogs as one reusable object. It keeps its dialog record and every
// property between calls, so the next dialog starts from what the last one left (folder,
// filter index, flags). Errors are raised as RuntimeError.
class cFileDialog {
public:
    cFileDialog();

    bool CancelError() const { return m_CancelError; }
    void setCancelError(bool value) { m_CancelError = value; }

    const QString& FileName() const { return m_FileName; }
    // Longer than 1024 characters: invalid-argument error, nothing changes.
    void setFileName(const QString& value);

    const QString& FileTitle() const { return m_FileTitle; }
    void setFileTitle(const QString& value) { m_FileTitle = value; }

    // Pairs of a description and a pattern separated by "|"; reads back as assigned.
    const QString& Filter() const { return m_Filter; }
    void setFilter(const QString& value);

    qint32 FilterIndex() const { return m_record.nFilterIndex; }
    void setFilterIndex(qint32 value) { m_record.nFilterIndex = value; }

    const QString& DefaultExt() const { return m_DefaultExt; }
    void setDefaultExt(const QString& value);

    const QString& DialogTitle() const { return m_record.lpstrTitle; }
    void setDialogTitle(const QString& value) { m_record.lpstrTitle = value; }

    // The value last assigned, not what the dialog wrote back.
    qint32 Flags() const { return m_Flags; }
    void setFlags(qint32 value) { m_Flags = value; }

    quintptr hWnd() const { return m_record.hwndOwner; }
    void setHWnd(quintptr value) { m_record.hwndOwner = value; }

    const QString& InitDir() const { return m_InitDir; }
    void setInitDir(const QString& value);

    // A cancel with CancelError set raises error 32755 "User selected cancel.".
    void ShowOpen();
    // A cancel with CancelError set empties FileName; nothing is raised.
    void ShowSave();

    // Splits the FileName of a multi-select Open into its folder and names. lFileCount
    // counts on from the value passed in (pass 0); with several names sDir has no
    // trailing "/", with one name it keeps it.
    void ParseMultiFileName(QString& sDir, QStringList& sFiles, qint32& lFileCount) const;

    // The record as the next dialog receives it (for tests and the backend's view).
    const FileDialogRecord& record() const { return m_record; }

    static constexpr qint32 BufferSize = 1024;
    static constexpr qint32 MultiSelectBufferSize = 8192;

    // "Quorvane Files (*.qvn)|*.qvn" as description, NUL, pattern, NUL, NUL.
    static QString ConvertFilter(const QString& filter);

private:
    // Copies the flags and pads the file and title buffers to bufferSize characters.
    void prepare(qint32 flags, qint32 bufferSize);
    int callBackend(FileDialogKind kind);

    FileDialogRecord m_record;
    bool m_CancelError = false;
    QString m_FileName;
    QString m_FileTitle;
    QString m_Filter;
    QString m_DefaultExt;
    qint32 m_Flags = 0;
    QString m_InitDir;
};

// The source named by errors that cFileDialog raises: the executable's name + ".cFileDialog".
QString FileDialogErrorSource();
