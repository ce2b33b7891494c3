// The help pages, read from the program's text resources.
#include "base/core/HelpTopics.h"

#include "base/core/Product.h"

#include <QFile>
#include <QStringList>

// The help texts live in the resources of a static library, which the linker
// does not register on its own.
static void initHelpResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {

const QString kParagraphBreak = QStringLiteral("\r\n\r\n");

// The help pages are text resources (resources/help/<name>.txt): the title on
// the first line, then paragraphs separated by an empty line. Product names
// and addresses stand as {NAME}, {MAKER}, {WEBSITE}, {EMAIL}, {PASSWORD}.
struct Page
{
    QString title;
    QString text;
};

Page load(const QString& name)
{
    initHelpResources();
    QFile file(QStringLiteral(":/help/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString all = QString::fromUtf8(file.readAll());
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    all.replace(QStringLiteral("{NAME}"), Product::Name);
    all.replace(QStringLiteral("{MAKER}"), Product::Maker);
    all.replace(QStringLiteral("{WEBSITE}"), Product::WebSite);
    all.replace(QStringLiteral("{EMAIL}"), Product::ContactEmail);
    all.replace(QStringLiteral("{PASSWORD}"), Product::InitialPassword);
    const qsizetype end = all.indexOf(QLatin1Char('\n'));
    Page page;
    page.title = all.left(end).trimmed();
    QStringList paragraphs;
    for (const QString& block : all.mid(end + 1).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
        const QString paragraph = block.trimmed();
        if (!paragraph.isEmpty())
            paragraphs.append(paragraph);
    }
    page.text = paragraphs.join(kParagraphBreak);
    return page;
}

// The pages in the order of the manual.
const QStringList kPages = {
    QStringLiteral("launcher"), QStringLiteral("candidates"),     QStringLiteral("candidates-export"),
    QStringLiteral("sessions"), QStringLiteral("session-export"), QStringLiteral("rankings"),
    QStringLiteral("grid"),     QStringLiteral("fiscal"),         QStringLiteral("import"),
    QStringLiteral("backup"),   QStringLiteral("erasure"),        QStringLiteral("competition")};

const QList<Page>& pages()
{
    static const QList<Page> loaded = [] {
        QList<Page> list;
        for (const QString& name : kPages)
            list.append(load(name));
        return list;
    }();
    return loaded;
}

QString titleOf(int i)
{
    return pages().value(i).title;
}

} // namespace

namespace HelpTopics {

QString launcher()
{
    return titleOf(0);
}
QString candidates()
{
    return titleOf(1);
}
QString candidatesExport()
{
    return titleOf(2);
}
QString sessions()
{
    return titleOf(3);
}
QString sessionExport()
{
    return titleOf(4);
}
QString rankings()
{
    return titleOf(5);
}

QString grid()
{
    return QStringLiteral("Griglia di valutazione e graduatoria finale");
}

QString competition()
{
    return QStringLiteral("Concorso di più prove");
}

QList<Topic> all()
{
    QList<Topic> topics;
    for (const Page& page : pages())
        topics.append({page.title, page.text});
    return topics;
}

QString text(const QString& title)
{
    for (const Topic& topic : all())
        if (topic.title == title)
            return topic.text;
    return QString();
}

QStringList paragraphs(const QString& text)
{
    return text.split(kParagraphBreak);
}

} // namespace HelpTopics
