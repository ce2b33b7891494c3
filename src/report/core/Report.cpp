#include "report/core/Report.h"
#include "base/core/SystemError.h"

#include "base/core/Clock.h"
#include "base/core/Formats.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTime>

#include <cmath>

namespace {

constexpr double kEps = 0.001;
// Text is measured as a 1200 dpi device sees it, where hinting no longer
// moves widths, so line breaks do not depend on the device printed to.
constexpr double kReferenceDpi = 1200.0;

const QImage& referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dpm = int(std::lround(kReferenceDpi / 0.0254));
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return image;
    }();
    return device;
}

QFont makeFont(const QString& family, double points, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    // No ligatures: "fi" and "fl" drawn as one glyph would leave a PDF where
    // a search for "finale" finds nothing. Latin text needs no shaping, so
    // the letters are drawn one by one on every device.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Metrics in units.
struct UnitMetrics
{
    explicit UnitMetrics(const QFont& font)
        : fm(font, &referenceDevice())
    {
    }
    double height() const { return (fm.ascent() + fm.descent()) * scale; }
    double width(const QString& text) const { return fm.horizontalAdvance(text) * scale; }
    QFontMetricsF fm;
    const double scale = 96.0 / kReferenceDpi;
};

QStringList splitLines(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n\r|\n|\r"));
    if (text.isEmpty())
        return QStringList();
    return text.split(breaks);
}

bool hasPageExpression(const QString& text)
{
    return text.contains(QLatin1String("[PAGE#]")) || text.contains(QLatin1String("[TOTALPAGES#]"));
}

// The expressions known when the pages are laid out; the page numbers are
// filled in when a page is drawn.
QString resolveFixedExpressions(QString text)
{
    if (!text.contains(QLatin1Char('[')))
        return text;
    text.replace(QLatin1String("[DATE]"), Formats::shortDate(Clock::today()));
    text.replace(QLatin1String("[TIME]"), QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    return text;
}

QString resolvePageExpressions(QString text, int page, int total)
{
    text.replace(QLatin1String("[PAGE#]"), QString::number(page + 1));
    text.replace(QLatin1String("[TOTALPAGES#]"), QString::number(total));
    return text;
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// Greedy word wrap into lines no wider than width; a word wider than the
// line is broken between characters. Blanks at a break are dropped.
QStringList wrapLine(const QString& line, double width, const UnitMetrics& metrics)
{
    if (line.isEmpty() || metrics.width(line) <= width + kEps)
        return {line};
    QStringList out;
    QString current;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        // The next word with the blanks after it.
        qsizetype j = i;
        while (j < n && line.at(j) != QLatin1Char(' '))
            ++j;
        while (j < n && line.at(j) == QLatin1Char(' '))
            ++j;
        const QString word = line.mid(i, j - i);
        if (metrics.width(withoutTrailingBlanks(current + word)) <= width + kEps) {
            current += word;
            i = j;
        } else if (!current.isEmpty()) {
            out.append(withoutTrailingBlanks(current));
            current.clear(); // the word starts the next line
        } else {
            // A single word wider than the line: as many characters as fit,
            // at least one so that the wrap always moves on.
            qsizetype k = 1;
            while (k < word.size() && metrics.width(word.left(k + 1)) <= width + kEps)
                ++k;
            out.append(word.left(k));
            i += k;
        }
    }
    if (!current.isEmpty())
        out.append(withoutTrailingBlanks(current));
    return out;
}

void addFrame(QList<PreparedItem>& items, const QString& object, const QRectF& rect, const ReportFrame& frame,
              const QRectF& clip)
{
    if (!frame.visible)
        return;
    PreparedItem item;
    item.kind = PreparedItem::Kind::Frame;
    item.object = object;
    item.rect = rect;
    item.clip = clip;
    item.divisible = true;
    item.colour = frame.colour;
    item.penWidth = frame.width;
    // The outline is drawn on the edge of the box, half inside and half out.
    item.clip = clip.adjusted(-frame.width, -frame.width, frame.width, frame.width);
    items.append(item);
}

// The display items of one object, relative to its container.
void objectItems(const ReportObject& object, QList<PreparedItem>& items)
{
    if (!object.isVisible())
        return;
    const QRectF r = object.geometry();
    switch (object.kind()) {
    case ReportObject::Kind::Memo: {
        const auto& memo = static_cast<const MemoView&>(object);
        if (memo.background.isValid() && memo.background.alpha() > 0) {
            PreparedItem fill;
            fill.kind = PreparedItem::Kind::Fill;
            fill.object = memo.name();
            fill.rect = r;
            fill.clip = r;
            fill.divisible = true;
            fill.colour = memo.background;
            items.append(fill);
        }
        const QFont font = makeFont(memo.fontFamily, memo.fontSize, memo.bold, memo.italic);
        const UnitMetrics metrics(font);
        const double pitch = memo.linePitch > 0 ? memo.linePitch : metrics.height() + memo.lineSpacing;
        const double textWidth = qMax(0.0, r.width() - 2 * memo.gapX);
        QStringList lines;
        for (const QString& raw : memo.lines()) {
            const QString line = memo.allowExpressions ? resolveFixedExpressions(raw) : raw;
            if (memo.wordWrap)
                lines.append(wrapLine(line, textWidth, metrics));
            else
                lines.append(line);
        }
        const double block = lines.size() * pitch;
        double y = r.top() + memo.gapY;
        if (memo.vAlign == MemoView::VAlign::Center)
            y = r.top() + (r.height() - block) / 2;
        else if (memo.vAlign == MemoView::VAlign::Bottom)
            y = r.bottom() - memo.gapY - block;
        for (int i = 0; i < lines.size(); ++i) {
            const QRectF lineRect(r.left() + memo.gapX, y + i * pitch, textWidth, pitch);
            if (lineRect.top() >= r.bottom() - kEps)
                break; // below the box: cut
            if (lineRect.bottom() <= r.top() + kEps)
                continue;
            PreparedItem text;
            text.kind = PreparedItem::Kind::Text;
            text.object = memo.name();
            text.rect = lineRect;
            text.clip = r;
            text.colour = memo.textColour;
            text.text = lines.at(i);
            text.fontFamily = memo.fontFamily;
            text.fontSize = memo.fontSize;
            text.bold = memo.bold;
            text.italic = memo.italic;
            text.hAlign = memo.hAlign;
            text.pageExpressions = memo.allowExpressions && hasPageExpression(text.text);
            items.append(text);
        }
        addFrame(items, memo.name(), r, memo.frame, r);
        break;
    }
    case ReportObject::Kind::Picture: {
        const auto& pic = static_cast<const PictureView&>(object);
        const QImage image = pic.picture();
        if (!image.isNull() && r.width() > 0 && r.height() > 0) {
            QRectF target = r;
            if (pic.scaling == PictureView::Scaling::KeepAspect) {
                const QSizeF fitted = QSizeF(image.size()).scaled(r.size(), Qt::KeepAspectRatio);
                target = QRectF(r.topLeft(), fitted);
                if (pic.centre)
                    target.moveCenter(r.center());
            } else if (pic.scaling == PictureView::Scaling::None) {
                // One image pixel per unit.
                target = QRectF(r.topLeft(), QSizeF(image.size()));
                if (pic.centre)
                    target.moveCenter(r.center());
            }
            PreparedItem item;
            item.kind = PreparedItem::Kind::Image;
            item.object = pic.name();
            item.rect = target;
            item.clip = r;
            item.image = image;
            items.append(item);
        }
        addFrame(items, pic.name(), r, pic.frame, r);
        break;
    }
    case ReportObject::Kind::Shape: {
        const auto& shape = static_cast<const ShapeView&>(object);
        if (shape.shape == ShapeView::Shape::Rectangle) {
            if (shape.fill.isValid() && shape.fill.alpha() > 0) {
                PreparedItem fill;
                fill.kind = PreparedItem::Kind::Fill;
                fill.object = shape.name();
                fill.rect = r;
                fill.clip = r;
                fill.divisible = true;
                fill.colour = shape.fill;
                items.append(fill);
            }
            if (shape.border.isValid()) {
                ReportFrame frame;
                frame.visible = true;
                frame.colour = shape.border;
                frame.width = shape.borderWidth;
                addFrame(items, shape.name(), r, frame, r);
            }
        } else {
            PreparedItem item;
            item.kind = PreparedItem::Kind::Shape;
            item.object = shape.name();
            item.rect = r;
            item.clip = r.adjusted(-shape.borderWidth, -shape.borderWidth, shape.borderWidth, shape.borderWidth);
            item.shape = shape.shape;
            item.colour = shape.fill;
            item.border = shape.border;
            item.penWidth = shape.borderWidth;
            item.cornerRadius = shape.cornerRadius;
            items.append(item);
        }
        break;
    }
    case ReportObject::Kind::Line: {
        const auto& line = static_cast<const LineView&>(object);
        PreparedItem item;
        item.kind = PreparedItem::Kind::Line;
        item.object = line.name();
        item.line = QLineF(r.topLeft(), r.bottomRight());
        item.rect = r.normalized();
        item.clip = item.rect.adjusted(-line.width, -line.width, line.width, line.width);
        item.colour = line.colour;
        item.penWidth = line.width;
        items.append(item);
        break;
    }
    case ReportObject::Kind::Band:
        break;
    }
}

void translate(PreparedItem& item, double dx, double dy)
{
    item.rect.translate(dx, dy);
    item.clip.translate(dx, dy);
    item.line.translate(dx, dy);
}

// Lays out bands one after the other down the pages.
class Layout
{
public:
    Layout(const Report& report, QList<PreparedPage>& pages, const QList<PreparedItem>& pageItems)
        : m_report(report)
        , m_pages(pages)
        , m_pageItems(pageItems)
        , m_area(report.printableRect())
    {
    }

    void newPage()
    {
        PreparedPage page;
        const QSizeF mm = m_report.pageSizeMm();
        page.size = QSizeF(ReportUnits::mm(mm.width()), ReportUnits::mm(mm.height()));
        for (PreparedItem item : m_pageItems) {
            translate(item, m_area.left(), m_area.top());
            page.items.append(item);
        }
        m_pages.append(page);
        m_y = m_area.top();
        m_bandsOnPage = false;
    }

    // Places a band whose items are relative to its top-left corner.
    void place(QList<PreparedItem> items, double height, bool allowSplit)
    {
        if (m_pages.isEmpty())
            newPage();
        for (;;) {
            const double avail = m_area.bottom() - m_y;
            if (height <= avail + kEps) {
                put(items, 0, height);
                m_y += height;
                m_bandsOnPage = true;
                return;
            }
            if (!allowSplit) {
                if (m_bandsOnPage) {
                    newPage();
                    continue;
                }
                // Taller than a whole page: what does not fit is cut, and
                // no text line is left showing in half.
                const double cut = breakPoint(items, avail);
                put(items, 0, cut > kEps ? cut : avail);
                m_y = m_area.bottom();
                m_bandsOnPage = true;
                return;
            }
            double cut = breakPoint(items, avail);
            if (cut <= kEps) {
                if (m_bandsOnPage) {
                    newPage();
                    continue;
                }
                cut = avail; // nothing whole fits on an empty page: cut it
            }
            put(items, 0, cut);
            QList<PreparedItem> rest;
            for (PreparedItem item : items) {
                if (item.rect.bottom() <= cut + kEps)
                    continue; // printed above the break
                if (item.rect.top() < cut - kEps) {
                    if (!item.divisible)
                        continue; // cut off on the page above
                    // The part below the break.
                    item.rect.setTop(cut);
                    if (item.kind == PreparedItem::Kind::Frame)
                        item.sides &= ~PreparedItem::Top;
                }
                item.clip.setTop(qMax(item.clip.top(), cut));
                translate(item, 0, -cut);
                rest.append(item);
            }
            items = rest;
            height -= cut;
            newPage();
        }
    }

private:
    // The highest break at or above limit that cuts no indivisible item.
    static double breakPoint(const QList<PreparedItem>& items, double limit)
    {
        double cut = limit;
        bool moved = true;
        while (moved) {
            moved = false;
            for (const PreparedItem& item : items) {
                if (item.divisible)
                    continue;
                if (item.rect.top() < cut - kEps && item.rect.bottom() > cut + kEps) {
                    cut = item.rect.top();
                    moved = true;
                }
            }
        }
        return qMax(0.0, cut);
    }

    // Puts on the current page the part of the band between from and to.
    void put(const QList<PreparedItem>& items, double from, double to)
    {
        PreparedPage& page = m_pages.last();
        for (PreparedItem item : items) {
            if (item.rect.top() >= to - kEps && item.rect.height() > kEps)
                continue; // below the part
            if (item.rect.height() <= kEps && item.rect.top() > to + kEps)
                continue;
            if (item.divisible && item.rect.bottom() > to + kEps) {
                item.rect.setBottom(to);
                if (item.kind == PreparedItem::Kind::Frame)
                    item.sides &= ~PreparedItem::Bottom;
            }
            item.clip = item.clip.intersected(QRectF(item.clip.left(), from, item.clip.width(), to - from));
            if (item.kind == PreparedItem::Kind::Frame || item.kind == PreparedItem::Kind::Line ||
                item.kind == PreparedItem::Kind::Shape) {
                // Outlines may stand half a pen outside the part.
                item.clip.adjust(0, -item.penWidth, 0, item.penWidth);
            }
            translate(item, m_area.left(), m_y);
            page.items.append(item);
        }
    }

    const Report& m_report;
    QList<PreparedPage>& m_pages;
    QList<PreparedItem> m_pageItems;
    QRectF m_area;
    double m_y = 0;
    bool m_bandsOnPage = false;
};

} // namespace

namespace ReportUnits {
QRectF mmRect(double left, double top, double width, double height)
{
    return QRectF(mm(left), mm(top), mm(width), mm(height));
}
} // namespace ReportUnits

ReportError::ReportError(const QString& text)
    : std::runtime_error(text.toStdString())
{
}

// --- objects -----------------------------------------------------------------

ReportObject::ReportObject(Kind kind, const QString& name)
    : m_kind(kind)
    , m_name(name)
{
}

ReportObject::~ReportObject() = default;

void ReportObject::setGeometryMm(double left, double top, double width, double height)
{
    m_geometry = ReportUnits::mmRect(left, top, width, height);
}

MemoView::MemoView(const QString& name)
    : ReportObject(Kind::Memo, name)
{
}

void MemoView::setText(const QString& text)
{
    m_lines = splitLines(text);
}

QString MemoView::text() const
{
    return m_lines.join(QStringLiteral("\r\n"));
}

void MemoView::setFont(const QString& family, double points, bool isBold)
{
    fontFamily = family;
    fontSize = points;
    bold = isBold;
}

QStringList MemoView::wrapped(const QString& text) const
{
    const UnitMetrics metrics(makeFont(fontFamily, fontSize, bold, italic));
    const double width = qMax(0.0, geometry().width() - 2 * gapX);
    QStringList out;
    for (const QString& line : splitLines(text))
        out.append(wrapLine(line, width, metrics));
    return out;
}

int MemoView::linesThatFit() const
{
    const UnitMetrics metrics(makeFont(fontFamily, fontSize, bold, italic));
    const double pitch = linePitch > 0 ? linePitch : metrics.height() + lineSpacing;
    return qMax(0, int(std::floor((geometry().height() - gapY + kEps) / pitch)));
}

PictureView::PictureView(const QString& name)
    : ReportObject(Kind::Picture, name)
{
}

ShapeView::ShapeView(const QString& name)
    : ReportObject(Kind::Shape, name)
{
}

LineView::LineView(const QString& name)
    : ReportObject(Kind::Line, name)
{
}

Band::Band(Type type, const QString& name)
    : ReportObject(Kind::Band, name)
    , m_type(type)
{
}

Band::~Band() = default;

// --- report ------------------------------------------------------------------

Report::Report(const QString& name)
    : m_name(name)
{
}

Report::~Report() = default;

QSizeF Report::pageSizeMm() const
{
    if (m_orientation == QPageLayout::Landscape)
        return QSizeF(qMax(m_paper.width(), m_paper.height()), qMin(m_paper.width(), m_paper.height()));
    return QSizeF(qMin(m_paper.width(), m_paper.height()), qMax(m_paper.width(), m_paper.height()));
}

QRectF Report::printableRect() const
{
    const QSizeF size = pageSizeMm();
    return ReportUnits::mmRect(m_margins.left(), m_margins.top(), size.width() - m_margins.left() - m_margins.right(),
                               size.height() - m_margins.top() - m_margins.bottom());
}

namespace {
template <typename T>
T* addTo(Report& report, Band* band, std::unique_ptr<T> object)
{
    return band ? band->add(std::move(object)) : report.add(std::move(object));
}
} // namespace

MemoView* Report::addMemo(const QString& name, const QRectF& units, Band* band)
{
    auto object = std::make_unique<MemoView>(name);
    object->setGeometry(units);
    return addTo(*this, band, std::move(object));
}

PictureView* Report::addPicture(const QString& name, const QRectF& units, Band* band)
{
    auto object = std::make_unique<PictureView>(name);
    object->setGeometry(units);
    return addTo(*this, band, std::move(object));
}

ShapeView* Report::addShape(const QString& name, const QRectF& units, Band* band)
{
    auto object = std::make_unique<ShapeView>(name);
    object->setGeometry(units);
    return addTo(*this, band, std::move(object));
}

LineView* Report::addLine(const QString& name, const QRectF& units, Band* band)
{
    auto object = std::make_unique<LineView>(name);
    object->setGeometry(units);
    return addTo(*this, band, std::move(object));
}

Band* Report::addBand(Band::Type type, const QString& name, double heightUnits)
{
    auto band = std::make_unique<Band>(type, name);
    band->setGeometry(QRectF(0, 0, printableRect().width(), heightUnits));
    return add(std::move(band));
}

ReportObject* Report::findObject(const QString& name) const
{
    for (const auto& object : m_objects) {
        if (object->name() == name)
            return object.get();
        if (object->kind() == ReportObject::Kind::Band) {
            for (const auto& child : static_cast<const Band&>(*object).children())
                if (child->name() == name)
                    return child.get();
        }
    }
    return nullptr;
}

namespace {
template <typename T>
T* findAs(const Report& report, const QString& name, ReportObject::Kind kind, const char* what)
{
    ReportObject* object = report.findObject(name);
    if (!object)
        throw ReportError(
            QStringLiteral("L'oggetto \"%1\" non esiste nel modello di stampa \"%2\".").arg(name, report.name()));
    if (object->kind() != kind)
        throw ReportError(QStringLiteral("L'oggetto \"%1\" del modello di stampa \"%2\" non è %3.")
                              .arg(name, report.name(), QString::fromUtf8(what)));
    return static_cast<T*>(object);
}
} // namespace

MemoView* Report::memo(const QString& name) const
{
    return findAs<MemoView>(*this, name, ReportObject::Kind::Memo, "un riquadro di testo");
}

PictureView* Report::picture(const QString& name) const
{
    return findAs<PictureView>(*this, name, ReportObject::Kind::Picture, "un riquadro immagine");
}

Band* Report::band(const QString& name) const
{
    return findAs<Band>(*this, name, ReportObject::Kind::Band, "una banda");
}

void Report::prepare()
{
    m_pages.clear();

    QList<PreparedItem> pageItems;
    QList<const Band*> bands[3];
    for (const auto& object : m_objects) {
        if (object->kind() == ReportObject::Kind::Band) {
            const auto* band = static_cast<const Band*>(object.get());
            if (band->isVisible())
                bands[int(band->type())].append(band);
        } else {
            objectItems(*object, pageItems);
        }
    }

    Layout layout(*this, m_pages, pageItems);
    layout.newPage();
    for (const auto& group : bands) {
        for (const Band* band : group) {
            QList<PreparedItem> items;
            for (const auto& child : band->children())
                objectItems(*child, items);
            // Nothing a band holds shows below or above it.
            for (PreparedItem& item : items) {
                const QRectF strip(item.clip.left(), -item.penWidth, item.clip.width(),
                                   band->height() + 2 * item.penWidth);
                item.clip = item.clip.intersected(strip);
            }
            layout.place(items, band->height(), band->allowSplit);
        }
    }
}

QStringList Report::pageText(int index) const
{
    QStringList out;
    const PreparedPage& p = m_pages.at(index);
    for (const PreparedItem& item : p.items) {
        if (item.kind != PreparedItem::Kind::Text)
            continue;
        out.append(item.pageExpressions ? resolvePageExpressions(item.text, index, pageCount()) : item.text);
    }
    return out;
}

QStringList Report::allText() const
{
    QStringList out;
    for (int i = 0; i < pageCount(); ++i)
        out.append(pageText(i));
    return out;
}

void Report::render(QPainter* painter, int index, double s) const
{
    const PreparedPage& p = m_pages.at(index);
    const auto scaled = [s](const QRectF& r) {
        return QRectF(r.left() * s, r.top() * s, r.width() * s, r.height() * s);
    };
    const double dpiY = painter->device() ? painter->device()->logicalDpiY() : 96.0;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const PreparedItem& item : p.items) {
        if (item.clip.isEmpty() && item.kind != PreparedItem::Kind::Line)
            continue;
        painter->save();
        painter->setClipRect(scaled(item.clip), Qt::IntersectClip);
        switch (item.kind) {
        case PreparedItem::Kind::Fill:
            painter->fillRect(scaled(item.rect), item.colour);
            break;
        case PreparedItem::Kind::Frame: {
            QPen pen(item.colour, item.penWidth * s);
            pen.setCapStyle(Qt::SquareCap);
            painter->setPen(pen);
            const QRectF r = scaled(item.rect);
            if (item.sides & PreparedItem::Top)
                painter->drawLine(r.topLeft(), r.topRight());
            if (item.sides & PreparedItem::Bottom)
                painter->drawLine(r.bottomLeft(), r.bottomRight());
            if (item.sides & PreparedItem::Left)
                painter->drawLine(r.topLeft(), r.bottomLeft());
            if (item.sides & PreparedItem::Right)
                painter->drawLine(r.topRight(), r.bottomRight());
            break;
        }
        case PreparedItem::Kind::Text: {
            // The size the font must have on this device, in device pixels,
            // given as points at the device's own resolution.
            QFont font = makeFont(item.fontFamily, 10, item.bold, item.italic);
            const double pixels = item.fontSize * ReportUnits::PerPoint * s;
            font.setPointSizeF(pixels * 72.0 / dpiY);
            painter->setFont(font);
            painter->setPen(item.colour);
            int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
            if (item.hAlign == MemoView::HAlign::Center)
                flags |= Qt::AlignHCenter;
            else if (item.hAlign == MemoView::HAlign::Right)
                flags |= Qt::AlignRight;
            else
                flags |= Qt::AlignLeft;
            const QString text =
                item.pageExpressions ? resolvePageExpressions(item.text, index, pageCount()) : item.text;
            painter->drawText(scaled(item.rect), flags, text);
            break;
        }
        case PreparedItem::Kind::Image:
            painter->drawImage(scaled(item.rect), item.image);
            break;
        case PreparedItem::Kind::Line: {
            QPen pen(item.colour, item.penWidth * s);
            painter->setPen(pen);
            painter->drawLine(QLineF(item.line.p1() * s, item.line.p2() * s));
            break;
        }
        case PreparedItem::Kind::Shape: {
            if (item.colour.isValid())
                painter->setBrush(item.colour);
            else
                painter->setBrush(Qt::NoBrush);
            if (item.border.isValid())
                painter->setPen(QPen(item.border, item.penWidth * s));
            else
                painter->setPen(Qt::NoPen);
            if (item.shape == ShapeView::Shape::Ellipse)
                painter->drawEllipse(scaled(item.rect));
            else
                painter->drawRoundedRect(scaled(item.rect), item.cornerRadius * s, item.cornerRadius * s);
            break;
        }
        }
        painter->restore();
    }
    painter->restore();
}

bool Report::exportPdf(const QString& path, QString* error) const
{
    // Written through a temporary file that replaces the target at the end:
    // only ever over a plain file, never over a device or a pipe.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        if (error)
            *error = QStringLiteral("%1 non è un file.").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = SystemError::of(file);
        return false;
    }
    bool ok = true;
    {
        QPdfWriter writer(&file);
        writer.setResolution(int(kReferenceDpi));
        writer.setCreator(QStringLiteral("Selvora"));
        writer.setTitle(m_name);
        const QSizeF first = pageCount() > 0 ? pageSizeMm() : QSizeF(210, 297);
        writer.setPageLayout(QPageLayout(QPageSize(first, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            ok = false;
        } else {
            const double s = kReferenceDpi / 96.0;
            for (int i = 0; i < pageCount(); ++i) {
                if (i > 0 && !writer.newPage())
                    ok = false;
                render(&painter, i, s);
            }
            if (!painter.end())
                ok = false;
        }
    }
    // The last block reaches the disk only on flush, and a commit after a
    // failed flush can still report success: each step is checked first.
    if (ok && (!file.flush() || file.error() != QFileDevice::NoError))
        ok = false;
    if (!ok) {
        if (error)
            *error = SystemError::of(file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = SystemError::of(file);
        return false;
    }
    return true;
}
