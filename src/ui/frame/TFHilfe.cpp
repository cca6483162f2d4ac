#include "ui/frame/TFHilfe.h"

#include "ui/frame/HelpContexts.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qv {

TFHilfe::TFHilfe(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FHilfe"));
    setWindowTitle(ProductTitle() + QStringLiteral(" - Hilfe"));
    resize(640, 560);

    auto* back = Button(QStringLiteral("BZurueck"), QStringLiteral("&Zurück"), this);
    auto* contents = Button(QStringLiteral("BInhalt"), QStringLiteral("&Inhalt"), this);
    auto* close = CloseButton(this, QStringLiteral("BSchliessen"));
    m_browser->setObjectName(QStringLiteral("Browser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(QStringLiteral("Hilfetext"));
    // One look for every page of the help.
    m_browser->document()->setDefaultStyleSheet(QStringLiteral("body { font-family: sans-serif; }"
                                                               "h1 { color: #0d2b5e; }"
                                                               "h2 { color: #1f6fb2; }"
                                                               "p.nav { font-size: small; }"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kHelpContents); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(back, contents);
    setTabOrder(contents, close);
    setTabOrder(close, m_browser);
}

QString TFHilfe::TopicUrl(int context) {
    return QStringLiteral("qrc:/help/%1.html").arg(context);
}

bool TFHilfe::HasTopic(int context) {
    return QFile::exists(QStringLiteral(":/help/%1.html").arg(context));
}

void TFHilfe::ShowTopic(int context) {
    m_topic = context;
    if (HasTopic(context)) {
        m_browser->setSource(QUrl(TopicUrl(context)));
    } else {
        m_browser->setHtml(QStringLiteral("<p>Zum Hilfethema %1 gibt es keine Seite.</p>").arg(context));
    }
}

QString TFHilfe::PageTitle() const {
    return m_browser->documentTitle();
}

} // namespace qv
