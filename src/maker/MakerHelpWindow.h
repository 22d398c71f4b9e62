#pragma once

#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

/// The maker's help window: the help collection beside the program, with its table of contents, its index and a
/// page view. Throws TessarinError when the collection is missing or cannot be opened.
class TMakerHelpForm : public QWidget
{
    Q_OBJECT
public:
    explicit TMakerHelpForm(const QString& collectionFile, QWidget* parent = nullptr);
    ~TMakerHelpForm() override;

    /// Shows the table of contents and the first page.
    void showContents();
    /// Shows the page of keyword, or the index when the help has no such keyword.
    void showKeyword(const QString& keyword);
    /// The page shown.
    QUrl currentPage() const;
    /// True while the index page of the side bar is shown.
    bool indexShown() const;

private:
    void showPage(const QUrl& url);
    void bringToFront();

    QHelpEngine* m_engine;
    QTabWidget* m_sideBar;
    QLineEdit* m_indexFilter;
    QTextBrowser* m_browser;
};
