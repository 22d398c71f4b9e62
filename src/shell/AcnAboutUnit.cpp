#include "AcnAboutUnit.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

QLabel* picture(const QString& name, const QString& resource, QSize size, QWidget* parent)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setFixedSize(size);
    return label;
}

QLabel* textLine(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

QString ProductLine()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Cryptogram puzzles for Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("Cryptogram puzzles for macOS");
#else
    return QStringLiteral("Cryptogram puzzles for Linux");
#endif
}

QString VersionLine(const QString& projectVersion)
{
    const QStringList parts = projectVersion.split(u'.');
    return QStringLiteral("Version %1  (Build %2)").arg(parts.mid(0, 2).join(u'.'), projectVersion);
}

TAcnAboutForm::TAcnAboutForm(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AcnAboutForm"));
    setWindowTitle(QStringLiteral("About Tessarin"));
    setFixedSize(339, 254);
    // The background is the soft colour of an inactive caption's gradient.
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xD7, 0xE4, 0xF2));
    setPalette(background);
    setAutoFillBackground(true);

    // The two pictures fill the width of the box edge to edge.
    auto* pictures = new QHBoxLayout;
    pictures->setContentsMargins(0, 0, 0, 0);
    pictures->setSpacing(0);
    pictures->addWidget(picture(QStringLiteral("imgLogo"), QStringLiteral(":/shell/logo.svg"), QSize(100, 92), this));
    pictures->addWidget(picture(QStringLiteral("Image2"), QStringLiteral(":/shell/name.svg"), QSize(239, 72), this), 0,
                        Qt::AlignVCenter);
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Rule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(14, 6, 12, 12);
    text->addWidget(textLine(QStringLiteral("ProductLine"), ProductLine(), this));
    text->addWidget(textLine(QStringLiteral("VersionLine"), VersionLine(QStringLiteral(TESSARIN_VERSION)), this));
    text->addStretch();
    text->addWidget(rule);
    text->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(pictures);
    layout->addLayout(text, 1);
}
