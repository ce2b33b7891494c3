#include "support/core/PdfText.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr double kPtPerMm = 72.0 / 25.4;

QString unescape(QString s)
{
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&apos;"), QLatin1String("'"));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

namespace PdfText {

QStringList pages(const QString& path)
{
    QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\f')))
        text.chop(1);
    return text.split(QLatin1Char('\f'));
}

QStringList lines(const QString& path)
{
    QStringList out;
    for (const QString& page : pages(path))
        for (const QString& line : page.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                out.append(line.trimmed());
    return out;
}

QList<Page> words(const QString& path)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression pageRe(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    static const QRegularExpression wordRe(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<Page> pages;
    const QStringList chunks = html.split(QStringLiteral("<page "));
    for (int i = 1; i < chunks.size(); ++i) {
        const QString chunk = QStringLiteral("<page ") + chunks.at(i);
        Page page;
        const auto pm = pageRe.match(chunk);
        page.mm = QSizeF(pm.captured(1).toDouble() / kPtPerMm, pm.captured(2).toDouble() / kPtPerMm);
        auto it = wordRe.globalMatch(chunk);
        while (it.hasNext()) {
            const auto m = it.next();
            const double x0 = m.captured(1).toDouble() / kPtPerMm, y0 = m.captured(2).toDouble() / kPtPerMm;
            const double x1 = m.captured(3).toDouble() / kPtPerMm, y1 = m.captured(4).toDouble() / kPtPerMm;
            page.words.append({unescape(m.captured(5)), QRectF(QPointF(x0, y0), QPointF(x1, y1))});
        }
        pages.append(page);
    }
    return pages;
}

QImage firstPageImage(const QString& path, int dpi)
{
    const QString prefix = path + QStringLiteral("-img");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-f"),
             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"), path,
             prefix});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace PdfText
