#include "MakerHelpWindow.h"

#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "TessarinError.h"

namespace {

// A page view that takes its pages, pictures and style sheets out of the help collection.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine) {}

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.scheme() == QStringLiteral("qthelp")) {
            return m_engine->fileData(name);
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine* m_engine;
};

std::string missingHelp(const QString& file)
{
    return "The help file \"" + file.toStdString() + "\" is missing or cannot be read.";
}

} // namespace

TMakerHelpForm::TMakerHelpForm(const QString& collectionFile, QWidget* parent) : QWidget(parent, Qt::Window)
{
    if (!QFileInfo(collectionFile).isFile()) {
        throw TessarinError(missingHelp(collectionFile));
    }
    m_engine = new QHelpEngine(collectionFile, this);
    m_engine->setReadOnly(true);
    if (!m_engine->setupData() || m_engine->registeredDocumentations().isEmpty()) {
        throw TessarinError(missingHelp(collectionFile));
    }
    setObjectName(QStringLiteral("MakerHelpForm"));
    setWindowTitle(QStringLiteral("Tessarin 5 Help"));
    resize(900, 640);
    auto* splitter = new QSplitter(this);
    m_sideBar = new QTabWidget(splitter);
    m_sideBar->setObjectName(QStringLiteral("HelpSideBar"));
    m_sideBar->addTab(m_engine->contentWidget(), QStringLiteral("Contents"));
    auto* indexPage = new QWidget(m_sideBar);
    auto* indexLayout = new QVBoxLayout(indexPage);
    m_indexFilter = new QLineEdit(indexPage);
    m_indexFilter->setObjectName(QStringLiteral("HelpIndexFilter"));
    m_indexFilter->setPlaceholderText(QStringLiteral("Type a keyword"));
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(m_engine->indexWidget());
    m_sideBar->addTab(indexPage, QStringLiteral("Index"));
    m_browser = new HelpBrowser(m_engine, splitter);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    connect(m_engine->contentWidget(), &QHelpContentWidget::linkActivated, this, &TMakerHelpForm::showPage);
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, m_engine->contentWidget(),
            &QTreeView::expandAll);
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { showPage(link.url); });
    connect(m_indexFilter, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_engine->indexWidget()->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, m_engine->indexWidget(), &QHelpIndexWidget::activateCurrentItem);
}

TMakerHelpForm::~TMakerHelpForm() = default;

void TMakerHelpForm::showContents()
{
    m_sideBar->setCurrentIndex(0);
    const QList<QHelpLink> first = m_engine->documentsForKeyword(QStringLiteral("Introduction"));
    if (m_browser->source().isEmpty() && !first.isEmpty()) {
        showPage(first.first().url);
    }
    bringToFront();
}

void TMakerHelpForm::showKeyword(const QString& keyword)
{
    const QList<QHelpLink> links = m_engine->documentsForKeyword(keyword);
    if (links.isEmpty()) {
        // An unknown keyword shows the whole index, so the reader can pick another entry.
        m_sideBar->setCurrentIndex(1);
        m_indexFilter->clear();
    } else {
        showPage(links.first().url);
    }
    bringToFront();
}

QUrl TMakerHelpForm::currentPage() const
{
    return m_browser->source();
}

bool TMakerHelpForm::indexShown() const
{
    return m_sideBar->currentIndex() == 1;
}

void TMakerHelpForm::showPage(const QUrl& url)
{
    m_browser->setSource(url);
}

void TMakerHelpForm::bringToFront()
{
    show();
    raise();
    activateWindow();
}
