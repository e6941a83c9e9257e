#include "printing/report/LayoutReader.h"

#include "printing/report/ReportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace kvr::report {

namespace {

// One line's words; double quotes keep blanks inside a word and are removed.
QStringList splitWords(const QString& line)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool any = false;
    for (const QChar c : line) {
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (c.isSpace() && !quoted) {
            if (any)
                words << word;
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        words << word;
    return words;
}

// The position of the ':' that starts a text object's content: the first outside quotes.
qsizetype contentColon(const QString& line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == u'"')
            quoted = !quoted;
        else if (line.at(i) == u':' && !quoted)
            return i;
    }
    return -1;
}

class Reader
{
public:
    Reader(const QString& fileName)
        : m_fileName(fileName)
    {
        m_layout.fileName = fileName;
    }

    Layout read(const QString& text);

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw ReportError(QStringLiteral("%1, line %2: %3").arg(m_fileName).arg(m_line).arg(what));
    }
    double number(const QString& word) const
    {
        bool ok = false;
        const double value = word.toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("\"%1\" is not a number").arg(word));
        return value;
    }
    std::vector<double> numbers(const QStringList& words, int from, int count) const
    {
        if (words.size() < from + count)
            fail(QStringLiteral("%1 needs %2 numbers").arg(words.first()).arg(count));
        std::vector<double> out;
        for (int i = 0; i < count; ++i)
            out.push_back(number(words.at(from + i)));
        return out;
    }

    void readPage(const QStringList& words);
    void readBandStart(const QStringList& words);
    void readObject(const QString& line);
    void readOptions(LayoutObject& object, const QStringList& words, int from);
    void readContent(LayoutObject& object, const QString& content);

    QString m_fileName;
    Layout m_layout;
    int m_line = 0;
    Band* m_band = nullptr;
    DataSetSpec* m_data = nullptr;
    QStringList m_sql;
};

Layout Reader::read(const QString& text)
{
    const QStringList lines = text.split(u'\n');
    bool signed_ = false;
    for (const QString& raw : lines) {
        ++m_line;
        QString line = raw;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (m_data) {
            if (trimmed == u"end") {
                m_data->sql = m_sql.join(u'\n').trimmed();
                if (m_data->sql.isEmpty())
                    fail(QStringLiteral("data set %1 has no statement").arg(m_data->name));
                m_data = nullptr;
                m_sql.clear();
            } else {
                m_sql << line;
            }
            continue;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (!signed_) {
            if (trimmed != QLatin1String(LayoutReader::kSignature))
                throw ReportError(QStringLiteral("%1 is not a page layout of this program: its first line must be "
                                                 "\"%2\". It may be a layout of another program.")
                                      .arg(m_fileName, QLatin1String(LayoutReader::kSignature)));
            signed_ = true;
            continue;
        }
        const QStringList words = splitWords(trimmed);
        const QString keyword = words.first().toLower();
        if (m_band) {
            if (keyword == u"end")
                m_band = nullptr;
            else
                readObject(trimmed);
        } else if (keyword == u"page") {
            readPage(words);
        } else if (keyword == u"margins") {
            const auto m = numbers(words, 1, words.size() == 2 ? 1 : 4);
            m_layout.margins = m.size() == 1 ? QMarginsF(m[0], m[0], m[0], m[0]) : QMarginsF(m[0], m[1], m[2], m[3]);
        } else if (keyword == u"font") {
            if (words.size() != 3)
                fail(QStringLiteral("font needs a family and a size in points"));
            m_layout.fontFamily = words.at(1);
            m_layout.fontSize = number(words.at(2));
        } else if (keyword == u"data") {
            if (words.size() < 2 || words.size() > 3 || (words.size() == 3 && words.at(2).toLower() != u"config"))
                fail(QStringLiteral("data needs a name, optionally followed by \"config\""));
            if (m_layout.dataSet(words.at(1)))
                fail(QStringLiteral("data set %1 is defined twice").arg(words.at(1)));
            m_layout.dataSets.push_back({words.at(1), m_line, words.size() == 3, {}});
            m_data = &m_layout.dataSets.back();
        } else if (keyword == u"band") {
            readBandStart(words);
        } else {
            fail(QStringLiteral("\"%1\" is not a keyword of a layout").arg(words.first()));
        }
    }
    if (!signed_)
        throw ReportError(QStringLiteral("%1 is empty: it is not a page layout").arg(m_fileName));
    if (m_data)
        fail(QStringLiteral("data set %1 has no \"end\"").arg(m_data->name));
    if (m_band)
        fail(QStringLiteral("a band has no \"end\""));
    return std::move(m_layout);
}

void Reader::readPage(const QStringList& words)
{
    if (words.size() < 2 || words.size() > 3)
        fail(QStringLiteral("page needs a size (A4, A5, ... or WIDTHxHEIGHT in mm) and an orientation"));
    const QString size = words.at(1).toUpper();
    const struct
    {
        const char* name;
        QPageSize::PageSizeId id;
    } known[] = {{"A3", QPageSize::A3},      {"A4", QPageSize::A4}, {"A5", QPageSize::A5},
                 {"A6", QPageSize::A6},      {"B5", QPageSize::B5}, {"LETTER", QPageSize::Letter},
                 {"LEGAL", QPageSize::Legal}};
    bool found = false;
    for (const auto& k : known) {
        if (size == QLatin1String(k.name)) {
            m_layout.pageSize = QPageSize(k.id);
            found = true;
        }
    }
    if (!found) {
        const QStringList wh = size.split(u'X');
        if (wh.size() != 2)
            fail(QStringLiteral("\"%1\" is not a page size").arg(words.at(1)));
        m_layout.pageSize = QPageSize(QSizeF(number(wh.at(0)), number(wh.at(1))), QPageSize::Millimeter);
    }
    if (words.size() == 3) {
        const QString o = words.at(2).toLower();
        if (o != u"portrait" && o != u"landscape")
            fail(QStringLiteral("the orientation is portrait or landscape"));
        m_layout.orientation = o == u"portrait" ? QPageLayout::Portrait : QPageLayout::Landscape;
    }
}

void Reader::readBandStart(const QStringList& words)
{
    static const struct
    {
        const char* name;
        BandKind kind;
    } kinds[] = {
        {"pageheader", BandKind::PageHeader}, {"header", BandKind::Header}, {"detailheader", BandKind::DetailHeader},
        {"detail", BandKind::Detail},         {"footer", BandKind::Footer}, {"pagefooter", BandKind::PageFooter}};
    if (words.size() < 3)
        fail(QStringLiteral("band needs a kind and a height in mm"));
    Band band;
    band.sourceLine = m_line;
    const QString kind = words.at(1).toLower();
    bool found = false;
    for (const auto& k : kinds) {
        if (kind == QLatin1String(k.name)) {
            band.kind = k.kind;
            found = true;
        }
    }
    if (!found)
        fail(QStringLiteral("\"%1\" is not a band (pageheader, header, detailheader, detail, footer, pagefooter)")
                 .arg(words.at(1)));
    if (m_layout.band(band.kind))
        fail(QStringLiteral("the layout has a %1 band already").arg(kind));
    if (band.kind == BandKind::Detail) {
        if (words.size() != 4)
            fail(QStringLiteral("band detail needs its data set and a height: band detail Lines 6"));
        band.dataSet = words.at(2);
        if (!m_layout.dataSet(band.dataSet))
            fail(QStringLiteral("data set %1 is not defined above the band").arg(band.dataSet));
    } else if (words.size() != 3) {
        fail(QStringLiteral("band %1 needs only its height").arg(kind));
    }
    band.height = number(words.last());
    m_layout.bands.push_back(std::move(band));
    m_band = &m_layout.bands.back();
}

void Reader::readObject(const QString& line)
{
    LayoutObject object;
    object.sourceLine = m_line;
    QString head = line;
    QString content;
    const bool isText = line.startsWith(QLatin1String("text"), Qt::CaseInsensitive);
    if (isText) {
        const qsizetype colon = contentColon(line);
        if (colon < 0)
            fail(QStringLiteral("a text object needs \": \" followed by its content"));
        head = line.left(colon);
        content = line.mid(colon + 1);
        if (content.startsWith(u' '))
            content.remove(0, 1);
    }
    const QStringList words = splitWords(head);
    const QString kind = words.first().toLower();
    const auto box = numbers(words, 1, 4);
    object.box = QRectF(box[0], box[1], box[2], box[3]);
    if (kind == u"text") {
        object.kind = ObjectKind::Text;
        readContent(object, content);
    } else if (kind == u"line") {
        object.kind = ObjectKind::Line;
        object.box = QRectF(QPointF(box[0], box[1]), QPointF(box[2], box[3]));
    } else if (kind == u"rect") {
        object.kind = ObjectKind::Rect;
    } else if (kind == u"picture") {
        object.kind = ObjectKind::Picture;
    } else {
        fail(QStringLiteral("\"%1\" is not an object (text, line, rect, picture)").arg(words.first()));
    }
    readOptions(object, words, 5);
    if (object.kind == ObjectKind::Picture) {
        if (object.pictureFile.isEmpty())
            fail(QStringLiteral("a picture needs file=NAME"));
        object.pictureFile = QFileInfo(m_fileName).dir().absoluteFilePath(object.pictureFile);
        if (!QFileInfo::exists(object.pictureFile))
            fail(QStringLiteral("the picture %1 does not exist").arg(object.pictureFile));
    }
    m_band->objects.push_back(std::move(object));
}

void Reader::readOptions(LayoutObject& object, const QStringList& words, int from)
{
    TextStyle& s = object.style;
    Qt::Alignment horizontal = Qt::AlignLeft;
    Qt::Alignment vertical = Qt::AlignTop;
    for (int i = from; i < words.size(); ++i) {
        const QString word = words.at(i);
        const qsizetype eq = word.indexOf(u'=');
        const QString key = (eq < 0 ? word : word.left(eq)).toLower();
        const QString value = eq < 0 ? QString() : word.mid(eq + 1);
        if (key == u"left")
            horizontal = Qt::AlignLeft;
        else if (key == u"center")
            horizontal = Qt::AlignHCenter;
        else if (key == u"right")
            horizontal = Qt::AlignRight;
        else if (key == u"top")
            vertical = Qt::AlignTop;
        else if (key == u"middle")
            vertical = Qt::AlignVCenter;
        else if (key == u"bottom")
            vertical = Qt::AlignBottom;
        else if (key == u"bold")
            s.bold = true;
        else if (key == u"italic")
            s.italic = true;
        else if (key == u"underline")
            s.underline = true;
        else if (key == u"wrap")
            s.wrap = true;
        else if (key == u"border")
            s.border = true;
        else if (key == u"size")
            s.pointSize = number(value);
        else if (key == u"font")
            s.family = value;
        else if (key == u"picture")
            s.picture = value;
        else if (key == u"width")
            object.penWidth = number(value);
        else if (key == u"file")
            object.pictureFile = value;
        else if (key == u"color" || key == u"fill") {
            const QColor colour = QColor::fromString(value);
            if (!colour.isValid())
                fail(QStringLiteral("\"%1\" is not a colour (#rrggbb or a name)").arg(value));
            if (key == u"color")
                s.color = colour;
            else
                object.fill = colour;
        } else
            fail(QStringLiteral("\"%1\" is not an option of a layout object").arg(word));
    }
    s.alignment = horizontal | vertical;
}

// Literal text with [expressions]; "[[" is a literal '['. An expression ends at the ']' that
// closes it, outside its own quotes and brackets.
void Reader::readContent(LayoutObject& object, const QString& content)
{
    QString literal;
    qsizetype i = 0;
    while (i < content.size()) {
        const QChar c = content.at(i);
        if (c != u'[') {
            literal += c;
            ++i;
            continue;
        }
        if (i + 1 < content.size() && content.at(i + 1) == u'[') {
            literal += u'[';
            i += 2;
            continue;
        }
        int depth = 0;
        QChar quote;
        qsizetype end = i + 1;
        for (; end < content.size(); ++end) {
            const QChar e = content.at(end);
            if (!quote.isNull()) {
                if (e == u'\\')
                    ++end;
                else if (e == quote)
                    quote = QChar();
            } else if (e == u'\'' || e == u'"' || e == u'`') {
                quote = e;
            } else if (e == u'[') {
                ++depth;
            } else if (e == u']') {
                if (depth == 0)
                    break;
                --depth;
            }
        }
        if (end >= content.size())
            fail(QStringLiteral("an expression has no closing ']'"));
        const QString source = content.mid(i + 1, end - i - 1).trimmed();
        if (source.isEmpty())
            fail(QStringLiteral("an empty expression []"));
        if (!literal.isEmpty())
            object.parts.push_back({false, literal, -1});
        literal.clear();
        object.parts.push_back({true, source, int(m_layout.expressions.size())});
        m_layout.expressions.push_back({source, m_line});
        i = end + 1;
    }
    if (!literal.isEmpty())
        object.parts.push_back({false, literal, -1});
}

} // namespace

Layout LayoutReader::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("The layout %1 cannot be read: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    // A binary layout of another program must get a message, not be read as text.
    if (bytes.contains('\0'))
        throw ReportError(QStringLiteral("%1 is not a page layout of this program: it is a binary file, not text "
                                         "beginning with \"%2\". It may be a layout of another program.")
                              .arg(path, QLatin1String(kSignature)));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw ReportError(QStringLiteral("%1 is not a page layout of this program: it is not UTF-8 text beginning "
                                         "with \"%2\". It may be a layout of another program.")
                              .arg(path, QLatin1String(kSignature)));
    return readText(text, path);
}

Layout LayoutReader::readText(const QString& text, const QString& fileName)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    return Reader(fileName).read(body);
}

} // namespace kvr::report
