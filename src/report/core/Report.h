// The report engine: a template of one page holding named text boxes,
// picture boxes, filled rectangles and lines, placed directly on the page or
// in the report title, master data and footer bands. prepare() lays the
// template out into pages (display lists) and render() draws one prepared
// page; the printer (see report/ui/ReportPrinting), the preview and PDF export
// all go through render(), so what a test reads from a PDF is what the
// printer gets.
//
// Units: paper size and margins are in millimetres; object positions and
// sizes are in units of 1/96 inch (3.7795 units per millimetre), measured
// from the top-left corner of the page's printable area (inside the margins)
// or of the band that holds the object. Font sizes are in points.
#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <vector>

class QPainter;

namespace ReportUnits {
constexpr double PerMm = 96.0 / 25.4; // 3.7795 units per millimetre
constexpr double PerPoint = 96.0 / 72.0; // a point is 4/3 of a unit
constexpr double mm(double millimetres)
{
    return millimetres * PerMm;
}
constexpr double toMm(double units)
{
    return units / PerMm;
}
// A rectangle given in millimetres, in units.
QRectF mmRect(double left, double top, double width, double height);
} // namespace ReportUnits

// A failure of the template itself (an object missing or of another kind);
// left to the default error report like any other uncaught failure.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString& text);
};

class Band;

class ReportObject
{
public:
    enum class Kind
    {
        Memo,
        Picture,
        Shape,
        Line,
        Band
    };

    virtual ~ReportObject();
    ReportObject(const ReportObject&) = delete;
    ReportObject& operator=(const ReportObject&) = delete;

    Kind kind() const { return m_kind; }
    QString name() const { return m_name; }

    // Units, from the top-left corner of the printable area or of the band.
    QRectF geometry() const { return m_geometry; }
    void setGeometry(const QRectF& units) { m_geometry = units; }
    void setGeometryMm(double left, double top, double width, double height);
    double height() const { return m_geometry.height(); }
    void setHeight(double units) { m_geometry.setHeight(units); }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

protected:
    ReportObject(Kind kind, const QString& name);

private:
    Kind m_kind;
    QString m_name;
    QRectF m_geometry;
    bool m_visible = true;
};

// An outline drawn round a box.
struct ReportFrame
{
    bool visible = false;
    QColor colour = Qt::black;
    double width = 1.0; // units
};

// Text box.
class MemoView : public ReportObject
{
public:
    enum class HAlign
    {
        Left,
        Center,
        Right
    };
    enum class VAlign
    {
        Top,
        Center,
        Bottom
    };

    explicit MemoView(const QString& name);

    // The whole text; CR LF, LF and CR each separate two lines.
    void setText(const QString& text);
    QString text() const; // lines joined by CR LF
    void clearLines() { m_lines.clear(); }
    void appendLine(const QString& line) { m_lines.append(line); }
    int lineCount() const { return int(m_lines.size()); }
    QStringList lines() const { return m_lines; }
    void setLines(const QStringList& lines) { m_lines = lines; }

    QString fontFamily = QStringLiteral("Arial");
    double fontSize = 10.0; // points
    bool bold = false;
    bool italic = false;
    QColor textColour = Qt::black;
    QColor background; // invalid: no background
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    // Off: each line stays one line, cut at the box edge.
    bool wordWrap = false;
    // On: "[DATE]", "[TIME]", "[PAGE#]" and "[TOTALPAGES#]" are replaced;
    // any other bracketed text prints as it stands.
    bool allowExpressions = false;
    ReportFrame frame;
    // Space between the box edge and the text, in units.
    double gapX = 2.0;
    double gapY = 1.0;
    // Distance from one line to the next in units; 0 takes the font's height
    // plus lineSpacing.
    double linePitch = 0.0;
    double lineSpacing = 0.0;

    void setFont(const QString& family, double points, bool isBold = false);

    // The lines text takes in this box when it wraps: broken at blanks as
    // prepare() breaks them, within the box width less its gaps.
    QStringList wrapped(const QString& text) const;
    // How many whole lines stand in the box's height.
    int linesThatFit() const;

private:
    QStringList m_lines;
};

// Picture box.
class PictureView : public ReportObject
{
public:
    enum class Scaling
    {
        Stretch,
        KeepAspect,
        None
    };

    explicit PictureView(const QString& name);

    // The box keeps its own copy.
    void setPicture(const QImage& picture) { m_picture = picture.copy(); }
    QImage picture() const { return m_picture; }

    Scaling scaling = Scaling::KeepAspect;
    bool centre = true;
    ReportFrame frame;

private:
    QImage m_picture;
};

// Filled rectangle (or rounded rectangle, or ellipse).
class ShapeView : public ReportObject
{
public:
    enum class Shape
    {
        Rectangle,
        RoundRect,
        Ellipse
    };

    explicit ShapeView(const QString& name);

    Shape shape = Shape::Rectangle;
    QColor fill = Qt::white; // invalid: not filled
    QColor border = Qt::black; // invalid: no border
    double borderWidth = 1.0; // units
    double cornerRadius = 4.0; // units, for RoundRect
};

// A line from the top-left corner of its geometry to the bottom-right one: a
// zero height makes it horizontal, a zero width vertical.
class LineView : public ReportObject
{
public:
    explicit LineView(const QString& name);

    QColor colour = Qt::black;
    double width = 1.0; // units
};

// A band: a horizontal strip of the page holding objects placed from its own
// top-left corner. The report title prints once at the top of the first
// page, the master data once after it (it is given no data set, so it prints
// one row), the footer once after the master data.
class Band : public ReportObject
{
public:
    enum class Type
    {
        ReportTitle,
        MasterData,
        Footer
    };

    Band(Type type, const QString& name);
    ~Band() override;

    Type type() const { return m_type; }
    // A band that may split continues on the next page when it does not fit:
    // its text lines are never cut in half.
    bool allowSplit = false;

    template <typename T>
    T* add(std::unique_ptr<T> object)
    {
        T* raw = object.get();
        m_children.push_back(std::move(object));
        return raw;
    }
    const std::vector<std::unique_ptr<ReportObject>>& children() const { return m_children; }

private:
    Type m_type;
    std::vector<std::unique_ptr<ReportObject>> m_children;
};

// One piece of a prepared page, in units from the paper's top-left corner.
struct PreparedItem
{
    enum class Kind
    {
        Fill,
        Frame,
        Text,
        Image,
        Line,
        Shape
    };
    enum Side
    {
        Top = 1,
        Left = 2,
        Bottom = 4,
        Right = 8,
        AllSides = 15
    };

    Kind kind = Kind::Fill;
    QString object; // the template object it comes from
    QRectF rect; // where it goes
    QRectF clip; // nothing is drawn outside it
    bool divisible = false; // may be cut in two at a page break
    QColor colour;
    double penWidth = 1.0;
    int sides = AllSides; // Frame: which sides to draw
    // Text: one line, drawn from the top of rect.
    QString text;
    QString fontFamily;
    double fontSize = 10.0;
    bool bold = false;
    bool italic = false;
    MemoView::HAlign hAlign = MemoView::HAlign::Left;
    bool pageExpressions = false; // holds [PAGE#] or [TOTALPAGES#]
    // Image: drawn into rect.
    QImage image;
    // Line.
    QLineF line;
    // Shape.
    ShapeView::Shape shape = ShapeView::Shape::Rectangle;
    QColor border;
    double cornerRadius = 0.0;
};

struct PreparedPage
{
    QSizeF size; // units
    QList<PreparedItem> items;
};

class Report
{
public:
    explicit Report(const QString& name = QString());
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // The report name stored with the template.
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    // The buttons the preview window offers for this template.
    enum PreviewButton
    {
        PreviewPrint = 1,
        PreviewZoom = 2,
        PreviewFullScreen = 4,
        PreviewClose = 8,
        PreviewAll = 15
    };
    int previewButtons = PreviewAll;

    // --- the report page ---------------------------------------------------
    // Paper size in millimetres as held upright (A4 is 210 x 297); the
    // orientation decides which side is the width.
    void setPaperSize(const QSizeF& uprightMm) { m_paper = uprightMm; }
    QSizeF paperSize() const { return m_paper; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    QSizeF pageSizeMm() const;
    void setMargins(const QMarginsF& mm) { m_margins = mm; }
    QMarginsF margins() const { return m_margins; }
    // The printable area in units, from the paper's top-left corner.
    QRectF printableRect() const;

    // --- objects -----------------------------------------------------------
    // Objects directly on the page print on every prepared page.
    template <typename T>
    T* add(std::unique_ptr<T> object)
    {
        T* raw = object.get();
        m_objects.push_back(std::move(object));
        return raw;
    }
    MemoView* addMemo(const QString& name, const QRectF& units, Band* band = nullptr);
    PictureView* addPicture(const QString& name, const QRectF& units, Band* band = nullptr);
    ShapeView* addShape(const QString& name, const QRectF& units, Band* band = nullptr);
    LineView* addLine(const QString& name, const QRectF& units, Band* band = nullptr);
    Band* addBand(Band::Type type, const QString& name, double heightUnits);

    // The named object anywhere in the template, bands included, or null.
    ReportObject* findObject(const QString& name) const;
    // The named object as that kind; a missing object or one of another kind
    // throws ReportError.
    MemoView* memo(const QString& name) const;
    PictureView* picture(const QString& name) const;
    Band* band(const QString& name) const;

    // --- preparing and output ---------------------------------------------
    // Lays the template out into pages, dropping any pages prepared before.
    void prepare();
    int pageCount() const { return int(m_pages.size()); }
    const PreparedPage& page(int index) const { return m_pages.at(index); }
    const QList<PreparedPage>& pages() const { return m_pages; }
    // The text lines of a prepared page in the order they are drawn, with
    // every expression replaced.
    QStringList pageText(int index) const;
    // All prepared text, page after page.
    QStringList allText() const;

    // Draws a prepared page with the paper's top-left corner at the painter's
    // origin, pixelsPerUnit device pixels for each unit.
    void render(QPainter* painter, int index, double pixelsPerUnit) const;

    // Writes the prepared pages to a PDF file; false (with the reason) on
    // failure, leaving any earlier file untouched.
    bool exportPdf(const QString& path, QString* error = nullptr) const;

private:
    QString m_name;
    QSizeF m_paper = QSizeF(210.0, 297.0);
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins = QMarginsF(10.0, 10.0, 10.0, 10.0);
    std::vector<std::unique_ptr<ReportObject>> m_objects;
    QList<PreparedPage> m_pages;
};
