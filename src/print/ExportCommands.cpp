#include "ExportCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "FileWrite.h"
#include "PrintFontSettings.h"
#include "RtfExport.h"
#include "TessarinError.h"
#include "TextExport.h"
#include "WebExport.h"

namespace {
const QString NothingToExport =
    QStringLiteral("Nothing to export! Create a cryptogram to export or discontinue this selection.");
const QString SolutionQuestion = QStringLiteral("Add the key and the solution after the cryptogram?");
const QString NewPageQuestion = QStringLiteral("Start the key and the solution on a new page?");

struct ExportFormat
{
    QString title;
    QString suffix;
    QString filter;
};

bool hasCiphertext(const AcnProcs& holder, CipherKind kind)
{
    return kind != CipherKind::None && !holder.Puzzle.Ciphertext(kind).empty();
}

// The save dialog, suggesting the puzzle's name with the format's extension in the puzzle's folder.
QString askPath(QWidget* parent, const AcnProcs& holder, const ExportFormat& format, UiServices ui)
{
    const QFileInfo puzzle(QString::fromStdString(holder.Puzzle.FileName));
    FileDialogRequest request;
    request.title = format.title;
    request.folder = holder.Puzzle.FileName.empty() ? QString() : puzzle.absolutePath();
    const QString base = puzzle.completeBaseName();
    request.fileName = (base.isEmpty() ? QStringLiteral("Untitled") : base) + QLatin1Char('.') + format.suffix;
    request.filter = format.filter;
    request.defaultSuffix = format.suffix;
    request.confirmOverwrite = true;
    return ui.dialogs->saveFileName(parent, request);
}

void writeFile(const QString& path, const std::string& content)
{
    const auto failure =
        WriteWholeFile(path, [&](QIODevice& file) { file.write(content.data(), static_cast<qint64>(content.size())); });
    if (failure) {
        throw TessarinError(CannotCreateFileMessage(path, failure->reason).toStdString());
    }
}

// Asks whether the solution goes into the file; nothing for Cancel.
std::optional<bool> askSolution(QWidget* parent, UiServices ui)
{
    const Answer answer = ui.dialogs->askYesNoCancel(parent, SolutionQuestion);
    if (answer == Answer::Cancel) {
        return std::nullopt;
    }
    return answer == Answer::Yes;
}

// Runs one export: the checks, the question (when asked for), the save dialog and the write.
template <class Compose>
void runExport(QWidget* parent, const AcnProcs& holder, CipherKind kind, UiServices ui, const ExportFormat& format,
               bool asksSolution, Compose compose)
{
    if (!hasCiphertext(holder, kind)) {
        ui.dialogs->showError(parent, NothingToExport);
        return;
    }
    try {
        bool withSolution = false;
        if (asksSolution) {
            const std::optional<bool> answer = askSolution(parent, ui);
            if (!answer) {
                return;
            }
            withSolution = *answer;
        }
        const std::optional<std::string> content = compose(withSolution);
        if (!content) {
            return;
        }
        const QString path = askPath(parent, holder, format, ui);
        if (!path.isEmpty()) {
            writeFile(path, *content);
        }
    } catch (const TessarinError& error) {
        ui.dialogs->showError(parent, QString::fromUtf8(error.what()));
    }
}

std::string webPageTemplate()
{
    QFile file(QStringLiteral(":/print/CipherWebPage.html"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw TessarinError("The web page template is missing from the program.");
    }
    return file.readAll().toStdString();
}
} // namespace

void ExportTextFile(QWidget* parent, const AcnProcs& holder, CipherKind kind, const SettingsStore&, UiServices ui)
{
    const ExportFormat format{QStringLiteral("Export Text File"), QStringLiteral("txt"),
                              QStringLiteral("Text File (*.txt)")};
    runExport(parent, holder, kind, ui, format, true, [&](bool withSolution) -> std::optional<std::string> {
        return ComposeTextExport(holder.Puzzle, kind, withSolution);
    });
}

void ExportRtfFile(QWidget* parent, const AcnProcs& holder, CipherKind kind, const SettingsStore& settings,
                   UiServices ui)
{
    const ExportFormat format{QStringLiteral("Export RTF File"), QStringLiteral("rtf"),
                              QStringLiteral("Rich Text Format (*.rtf)")};
    runExport(parent, holder, kind, ui, format, true, [&](bool withSolution) -> std::optional<std::string> {
        SolutionOption option = SolutionOption::None;
        if (withSolution) {
            const Answer newPage = ui.dialogs->askYesNoCancel(parent, NewPageQuestion);
            if (newPage == Answer::Cancel) {
                return std::nullopt;
            }
            option = newPage == Answer::Yes ? SolutionOption::NewPage : SolutionOption::SamePage;
        }
        return ComposeRtf(holder.Puzzle, kind, option, ReadPrintFont(settings));
    });
}

void ExportCipherToWeb(QWidget* parent, const AcnProcs& holder, CipherKind kind, const SettingsStore&, UiServices ui)
{
    if (kind != CipherKind::Cipher) {
        ui.dialogs->showError(parent, QStringLiteral("Export Cipher to Web works on the substitution cryptogram. "
                                                     "Select the Cipher tab first."));
        return;
    }
    const ExportFormat format{QStringLiteral("Export Cipher to Web"), QStringLiteral("html"),
                              QStringLiteral("Web Page (*.html *.htm)")};
    runExport(parent, holder, kind, ui, format, false, [&](bool) -> std::optional<std::string> {
        const QByteArray salt = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
        return ComposeWebPage(holder.Puzzle, webPageTemplate(), salt.toStdString());
    });
}
