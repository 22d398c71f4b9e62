#include "QtUiServices.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

QString WithDefaultSuffix(const QString& path, const QString& filter, const QString& defaultSuffix)
{
    if (defaultSuffix.isEmpty()) {
        return path;
    }
    QStringList extensions{defaultSuffix};
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;()*]+)"));
    for (const QRegularExpressionMatch& match : pattern.globalMatch(filter)) {
        extensions << match.captured(1);
    }
    for (const QString& extension : extensions) {
        if (path.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive)) {
            return path;
        }
    }
    return path + QLatin1Char('.') + defaultSuffix;
}

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

// A save dialog that gives a name the default suffix when it lacks the file type's extension. Qt adds the suffix only
// to a name without any dot, so a puzzle named after its title ("Dr. King") was saved without ".acnx": the Open
// dialog, the game and distribution then no longer saw it as a puzzle. The name is set before the dialog's own
// accept, so that the question about overwriting asks about the file that is written.
class SuffixingFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QString typed = selectedFiles().value(0);
        if (acceptMode() == AcceptSave && !typed.isEmpty() && !QFileInfo(typed).isDir()) {
            const QString path = WithDefaultSuffix(typed, nameFilters().join(QLatin1Char(' ')), defaultSuffix());
            // The name goes into the name box itself: selectFile() leaves the box alone while it has the focus.
            auto* nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (path != typed && nameEdit != nullptr) {
                nameEdit->setText(nameEdit->text() + path.mid(typed.size()));
            }
        }
        QFileDialog::accept();
    }
};

QStringList runFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode,
                          QFileDialog::FileMode fileMode)
{
    SuffixingFileDialog dialog(parent);
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

namespace {

// A folder chooser that also takes a new name: an existing folder is accepted as the dialog accepts it; a name that
// does not exist is accepted when its parent folder exists (the caller creates it). The suggested name typed in the
// folder of that name means that folder itself, so choosing twice never nests a folder inside one of its own name.
class FolderNameDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    QString chosen() const { return m_chosen; }

    void accept() override
    {
        QString path = selectedFiles().value(0);
        const QFileInfo info(path);
        if (!path.isEmpty() && !info.exists()) {
            if (info.fileName() == directory().dirName()) {
                path = directory().absolutePath();
            } else if (!info.absoluteDir().exists()) {
                QFileDialog::accept(); // the dialog says that the folder is not found
                return;
            }
            m_chosen = QDir::cleanPath(info.isAbsolute() ? path : info.absoluteFilePath());
            QDialog::accept();
            return;
        }
        m_chosen = path;
        QFileDialog::accept();
    }

private:
    QString m_chosen;
};

} // namespace

QString QtDialogs::folderName(QWidget* parent, const FileDialogRequest& request)
{
    FolderNameDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the system's chooser would not take a new name
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    dialog.selectFile(request.fileName);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Choose"));
    // The dialog disables its button for a folder that does not exist yet; a new name is welcome here.
    auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (nameEdit != nullptr && buttons != nullptr) {
        const auto enable = [nameEdit, buttons] {
            if (QPushButton* choose = buttons->button(QDialogButtonBox::Open)) {
                choose->setEnabled(!nameEdit->text().isEmpty());
            }
        };
        QObject::connect(nameEdit, &QLineEdit::textChanged, &dialog, enable);
        QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog, enable);
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, enable);
        QTimer::singleShot(0, &dialog, enable);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QString();
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& initial, const QString& title)
{
    const QColor colour = QColorDialog::getColor(initial, parent, title);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
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
