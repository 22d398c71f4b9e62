#pragma once

#include "UiServices.h"

/// The path a save dialog gives for the typed path: with "." and the default suffix added unless the name already
/// ends in one of the extensions the filter names ("*.html *.htm") or in the default suffix, compared without regard
/// to case. A dot inside a name ("Dr. King") is no extension, so such a name gets the suffix too.
QString WithDefaultSuffix(const QString& path, const QString& filter, const QString& defaultSuffix);

/// Dialogs with QMessageBox, QFileDialog and QFontDialog.
class QtDialogs : public Dialogs
{
public:
    void showError(QWidget* parent, const QString& text) override;
    void showInformation(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& heading, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QStringList openFileNames(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString folderName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial, const QString& title) override;
};

/// The shell through QDesktopServices and QProcess.
class QtShell : public Shell
{
public:
    bool open(const QUrl& url) override;
    bool startProgram(const QString& path) override;
};

/// The clipboard through QGuiApplication::clipboard().
class QtClipboard : public Clipboard
{
public:
    void setText(const QString& text) override;
};

/// A sound player that plays nothing (the game, and machines without sound).
class SilentSounds : public SoundPlayer
{
public:
    void playQuestion() override {}
    void playError() override {}
};
