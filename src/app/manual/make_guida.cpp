// Writes the manual "Guida.pdf" from the help pages, so that the manual and
// the help windows always say the same thing. Run by the build:
//   make_guida <output.pdf> <banner picture>
#include "base/core/HelpTopics.h"
#include "base/core/Product.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

QString html()
{
    const QList<HelpTopics::Topic> topics = HelpTopics::all();
    QString h;
    h += QStringLiteral("<html><body style=\"font-family: Verdana; font-size: 11pt;\">");
    h += QStringLiteral("<p align=\"center\"><img src=\"banner\" width=\"520\"></p>");
    h += QStringLiteral("<h1 align=\"center\" style=\"color: #1f4e79;\">Guida all'utilizzo del software</h1>");
    h += QStringLiteral(
             "<p align=\"center\" style=\"color: #4682B4;\">%1 - Gestione candidati e colloqui di lavoro<br>%2</p>")
             .arg(Product::Name.toHtmlEscaped(), Product::Maker.toHtmlEscaped());
    h += QStringLiteral("<h3 style=\"color: #1f4e79;\">Indice</h3><ol>");
    for (const HelpTopics::Topic& t : topics)
        h += QStringLiteral("<li>") + t.title.toHtmlEscaped() + QStringLiteral("</li>");
    h += QStringLiteral("</ol>");
    h += QStringLiteral(
        "<p>Le stesse pagine si aprono dal pulsante della guida di ciascun ambiente di lavoro del programma.</p>");
    int n = 0;
    for (const HelpTopics::Topic& t : topics) {
        h += QStringLiteral("<h2 style=\"page-break-before: always; color: #DC143C;\">%1. %2</h2>")
                 .arg(++n)
                 .arg(t.title.toHtmlEscaped());
        for (const QString& p : HelpTopics::paragraphs(t.text))
            h += QStringLiteral("<p style=\"margin-bottom: 8px;\">") + p.toHtmlEscaped() + QStringLiteral("</p>");
    }
    h += QStringLiteral("<p style=\"margin-top: 24px; color: #555555;\">%1 - %2 - %3</p>")
             .arg(Product::Maker.toHtmlEscaped(), Product::WebSite.toHtmlEscaped(),
                  Product::ContactEmail.toHtmlEscaped());
    h += QStringLiteral("</body></html>");
    return h;
}

} // namespace

int main(int argc, char** argv)
{
    // The build runs this without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_guida <output.pdf> [banner picture]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString partial = output + QStringLiteral(".part");

    QTextDocument doc;
    if (argc > 2) {
        QImage banner(QString::fromLocal8Bit(argv[2]));
        if (!banner.isNull())
            doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("banner")), banner);
    }
    doc.setHtml(html());
    // No "fi" and "fl" ligatures, like every other PDF of the program: a
    // search of the manual for "file" or "fiscale" must find them.
    QFont base(QStringLiteral("DejaVu Sans"), 11);
    base.setStyleStrategy(QFont::PreferNoShaping);
    doc.setDefaultFont(base);

    {
        QPdfWriter writer(partial);
        writer.setTitle(QStringLiteral("Selvora - Guida all'utilizzo del software"));
        writer.setCreator(Product::Maker);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                         QPageLayout::Millimeter));
        doc.print(&writer);
    }
    QFile written(partial);
    if (!written.exists() || written.size() == 0) {
        std::fprintf(stderr, "make_guida: %s not written\n", qPrintable(partial));
        return 1;
    }
    QFile::remove(output);
    if (!written.rename(output)) {
        std::fprintf(stderr, "make_guida: cannot put %s in place\n", qPrintable(output));
        return 1;
    }
    return 0;
}
