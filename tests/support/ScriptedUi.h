#pragma once

#include <QStringList>
#include <QUrl>
#include <deque>

#include "UiServices.h"

/// Dialogs that answer from queues filled by the test and record everything they were asked.
/// An empty queue answers No / Cancel / an empty name, so a test that forgot an answer fails rather than hangs.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString kind; ///< "error", "information", "confirm", "ask", "open", "openMany", "save", "folder",
                      ///< "font", "colour"
        QString heading;
        QString text; ///< the message, or the file dialog's title
        FileDialogRequest request;
    };

    std::deque<bool> confirmAnswers;
    std::deque<Answer> askAnswers;
    std::deque<QString> fileAnswers;
    std::deque<QStringList> filesAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colourAnswers;
    QList<Shown> shown;

    void showError(QWidget*, const QString& text) override { shown.append({QStringLiteral("error"), {}, text, {}}); }
    void showInformation(QWidget*, const QString& text) override
    {
        shown.append({QStringLiteral("information"), {}, text, {}});
    }
    bool confirm(QWidget*, const QString& heading, const QString& text) override
    {
        shown.append({QStringLiteral("confirm"), heading, text, {}});
        return take(confirmAnswers, false);
    }
    Answer askYesNoCancel(QWidget*, const QString& text) override
    {
        shown.append({QStringLiteral("ask"), {}, text, {}});
        return take(askAnswers, Answer::Cancel);
    }
    QString openFileName(QWidget*, const FileDialogRequest& request) override
    {
        shown.append({QStringLiteral("open"), {}, request.title, request});
        return take(fileAnswers, QString());
    }
    QStringList openFileNames(QWidget*, const FileDialogRequest& request) override
    {
        shown.append({QStringLiteral("openMany"), {}, request.title, request});
        return take(filesAnswers, QStringList());
    }
    QString saveFileName(QWidget*, const FileDialogRequest& request) override
    {
        shown.append({QStringLiteral("save"), {}, request.title, request});
        return take(fileAnswers, QString());
    }
    QString folderName(QWidget*, const FileDialogRequest& request) override
    {
        shown.append({QStringLiteral("folder"), {}, request.title, request});
        return take(fileAnswers, QString());
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor&, const QString& title) override
    {
        shown.append({QStringLiteral("colour"), {}, title, {}});
        return take(colourAnswers, std::optional<QColor>());
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override
    {
        shown.append({QStringLiteral("font"), {}, {}, {}});
        return take(fontAnswers, std::optional<QFont>());
    }

    /// The texts of everything shown of one kind, in order.
    QStringList texts(const QString& kind) const
    {
        QStringList out;
        for (const Shown& s : shown) {
            if (s.kind == kind) {
                out.append(s.text);
            }
        }
        return out;
    }

private:
    template <class T> static T take(std::deque<T>& queue, T fallback)
    {
        if (queue.empty()) {
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

/// A shell that records what it was asked to open or start.
class RecordingShell : public Shell
{
public:
    QList<QUrl> opened;
    QStringList started;
    bool succeed = true;
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return succeed;
    }
    bool startProgram(const QString& path) override
    {
        started.append(path);
        return succeed;
    }
};

/// A clipboard that keeps the last text.
class RecordingClipboard : public Clipboard
{
public:
    QString text;
    int writes = 0;
    void setText(const QString& t) override
    {
        text = t;
        ++writes;
    }
};

/// Sounds that count what was played, in order ("question", "error").
class RecordingSounds : public SoundPlayer
{
public:
    QStringList played;
    void playQuestion() override { played.append(QStringLiteral("question")); }
    void playError() override { played.append(QStringLiteral("error")); }
};

/// All four fakes, wired into one UiServices.
struct ScriptedUi
{
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingClipboard clipboard;
    RecordingSounds sounds;
    UiServices services() { return {&dialogs, &shell, &clipboard, &sounds}; }
};
