#include "QtUiServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {

QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& heading, const QString& text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), heading.isEmpty() ? text : heading, buttons,
                    parent);
    if (!heading.isEmpty()) {
        box.setInformativeText(text);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.fileName);
    if (!request.confirmOverwrite) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
}

QStringList runFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode,
                          QFileDialog::FileMode fileMode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    prepare(dialog, request);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

} // namespace

void QtDialogs::showError(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Critical, {}, text, QMessageBox::Ok);
}

void QtDialogs::showInformation(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Information, {}, text, QMessageBox::Ok);
}

bool QtDialogs::confirm(QWidget* parent, const QString& heading, const QString& text)
{
    return ask(parent, QMessageBox::Information, heading, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtDialogs::askYesNoCancel(QWidget* parent, const QString& text)
{
    switch (ask(parent, QMessageBox::Question, {}, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtDialogs::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    const QStringList files = runFileDialog(parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    return files.value(0);
}

QStringList QtDialogs::openFileNames(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

QString QtDialogs::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    const QStringList files = runFileDialog(parent, request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    return files.value(0);
}

std::optional<QFont> QtDialogs::chooseFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

bool QtShell::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool QtShell::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}
