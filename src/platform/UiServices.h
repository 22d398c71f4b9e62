#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

// The small interfaces through which windows ask questions, show messages, pick files and fonts, hand things to
// the shell and the clipboard, and play sounds. The programs hand in the Qt implementations (QtUiServices.h);
// tests hand in scripted ones, so no test waits on a modal window.

/// The answer to a question with Yes, No and Cancel.
enum class Answer
{
    Yes,
    No,
    Cancel
};

/// What a file dialog shows.
struct FileDialogRequest
{
    QString title;
    QString folder;        ///< the folder it starts in
    QString fileName;      ///< the suggested name, without folder
    QString filter;        ///< Qt filter text, for example "Tessarin Cryptogram (*.acnx)"
    QString defaultSuffix; ///< added when the user types a name without one, for example "acnx"
    bool confirmOverwrite = true;
};

/// Message boxes, questions and the common dialogs.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    /// An error: stop icon, the text, one OK button, titled with the application's name.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    /// An information message with one OK button.
    virtual void showInformation(QWidget* parent, const QString& text) = 0;
    /// A confirmation with a heading: information icon, Yes and No. True for Yes.
    virtual bool confirm(QWidget* parent, const QString& heading, const QString& text) = 0;
    /// A save question: question icon, Yes, No and Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    /// A file to open, or empty when cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    /// Several files to open, or none when cancelled.
    virtual QStringList openFileNames(QWidget* parent, const FileDialogRequest& request) = 0;
    /// A file to save to, or empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    /// A folder to put files in, or empty when cancelled: an existing folder, or a new name in an existing folder
    /// (created by whoever uses it). request.fileName is the suggested name.
    virtual QString folderName(QWidget* parent, const FileDialogRequest& request) = 0;
    /// A font, or nothing when cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    /// A colour, or nothing when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial, const QString& title) = 0;
};

/// The desktop shell: opens documents, programs, folders and web addresses.
class Shell
{
public:
    virtual ~Shell() = default;
    /// False when the shell could not open it.
    virtual bool open(const QUrl& url) = 0;
    /// Starts a program without arguments, detached. False when it could not be started.
    virtual bool startProgram(const QString& path) = 0;
};

/// The system clipboard.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
};

/// The maker's two sound effects; no audio device means silence.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void playQuestion() = 0;
    virtual void playError() = 0;
};

/// The services a window is handed, all owned elsewhere.
struct UiServices
{
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    Clipboard* clipboard = nullptr;
    SoundPlayer* sounds = nullptr;
};
