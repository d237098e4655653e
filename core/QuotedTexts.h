#pragma once

// The program's messages that the help book quotes. The help's pages are made from this
// file when the program is built (app/help/CMakeLists.txt reads each line below), so the help
// always quotes what the program shows. One text a line, in this form, without semicolons.
namespace QuotedTexts {
inline constexpr char RecoveryQuestion[] = "Quorvane was closed before the changes to '%1' were saved. Restore them?";
inline constexpr char RecoveryQuestionNew[] = "Quorvane was closed before a new description was saved. Restore them?";
inline constexpr char RecoveryQuestionNewTitled[] = "Quorvane was closed before the new description of '%1' was saved. Restore them?";
inline constexpr char UpdateQuestion[] = "An update is available, do you want\r\nto read the update notes?";
inline constexpr char Downloading[] = "Downloading Update, please wait.";
inline constexpr char PreviewNotStarted[] = "The preview could not be shown because the preview program could not be started.";
inline constexpr char PreviewStopped[] = "The preview program stopped unexpectedly. Your description is not affected.";
inline constexpr char UnexpectedError[] = "An unexpected error has occurred.";
} // namespace QuotedTexts
