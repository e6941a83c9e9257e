#pragma once

#include <QColor>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kvr::report {

// A page layout as read from its file: the page, the data sets and the bands. Geometry is in
// millimetres, from the top left corner of the band (objects) or of the printable area (bands).

enum class BandKind { PageHeader, Header, DetailHeader, Detail, Footer, PageFooter };

// Text that mixes literal parts and [expressions]; each expression is compiled once.
struct TextPart
{
    bool isExpression = false;
    QString text; // the literal, or the expression's source
    int expression = -1; // index into Layout::expressions
};

struct TextStyle
{
    QString family; // empty: the layout's font
    double pointSize = 0; // 0: the layout's size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = false;
    bool border = false;
    QColor color = Qt::black;
    QString picture; // display picture of numbers (",0.00") or dates ("dd/MM/yyyy")
};

enum class ObjectKind { Text, Line, Rect, Picture };

struct LayoutObject
{
    ObjectKind kind = ObjectKind::Text;
    int sourceLine = 0;
    QRectF box; // x, y, width, height; a line runs from topLeft to bottomRight
    double penWidth = 0.2; // lines and frames, mm
    std::optional<QColor> fill;
    TextStyle style;
    std::vector<TextPart> parts;
    QString pictureFile; // resolved path of a picture object
};

struct Band
{
    BandKind kind = BandKind::Detail;
    int sourceLine = 0;
    double height = 0;
    QString dataSet; // detail bands: the data set whose rows they repeat
    std::vector<LayoutObject> objects;
};

// A statement of the layout; `:Name` parameters take the report's variables, always bound.
struct DataSetSpec
{
    QString name;
    int sourceLine = 0;
    bool onConfigDatabase = false;
    QString sql;
};

struct Expression
{
    QString source;
    int sourceLine = 0;
};

struct Layout
{
    QString fileName;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins = QMarginsF(10, 10, 10, 10); // left, top, right, bottom
    QString fontFamily = QStringLiteral("Loma");
    double fontSize = 10;
    std::vector<DataSetSpec> dataSets;
    std::vector<Band> bands;
    std::vector<Expression> expressions;

    // The printable area in millimetres.
    QSizeF printableSize() const;
    const Band* band(BandKind kind) const;
    const DataSetSpec* dataSet(const QString& name) const;
    // True when some expression asks for the number of pages.
    bool usesPageCount() const;
};

} // namespace kvr::report
