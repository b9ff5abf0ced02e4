#include "platform/cad/hostview/TextOutline.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

namespace hostview {

namespace {

QFont outlineFont()
{
    // Outlines are taken at a large size and scaled down, so that no hinting
    // for small sizes bends them.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Lines between paragraph texts' baselines, in text heights.
constexpr double LineSpacing = 5.0 / 3.0;

QPolygonF boxOf(double left, double bottom, double right, double top)
{
    return QPolygonF({QPointF(left, bottom), QPointF(right, bottom), QPointF(right, top), QPointF(left, top)});
}

}  // namespace

TextOutline::TextOutline() : font_(outlineFont()), metrics_(font_), capHeight_(metrics_.capHeight())
{
    if (!(capHeight_ > 0.0))
        capHeight_ = metrics_.ascent() * 0.7;
}

QString TextOutline::shown(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 2 < text.size() && text[i + 1] == QLatin1Char('%')) {
            const QChar code = text[i + 2].toLower();
            if (code == QLatin1Char('d')) {
                out += QChar(0x00B0);
            } else if (code == QLatin1Char('c')) {
                out += QChar(0x2300);
            } else if (code == QLatin1Char('p')) {
                out += QChar(0x00B1);
            } else if (code == QLatin1Char('%')) {
                out += QLatin1Char('%');
            } else if (code != QLatin1Char('u') && code != QLatin1Char('o')) {
                // Not a code: the characters stand as written.
                out += text.mid(i, 3);
            }
            i += 2;
            continue;
        }
        out += text[i];
    }
    return out;
}

QStringList TextOutline::paragraphLines(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('{') || c == QLatin1Char('}'))
            continue;
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar code = text[++i];
        const qsizetype end = text.indexOf(QLatin1Char(';'), i);
        switch (code.unicode()) {
        case 'P':
            out += QLatin1Char('\n');
            break;
        case '~':
            out += QLatin1Char(' ');
            break;
        case '\\':
        case '{':
        case '}':
            out += code;
            break;
        case 'L': case 'l': case 'O': case 'o': case 'K': case 'k':
            break;
        case 'S':
            // A stacked fraction is shown on one line.
            if (end > i) {
                QString stacked = text.mid(i + 1, end - i - 1);
                stacked.replace(QLatin1Char('^'), QLatin1Char('/')).replace(QLatin1Char('#'), QLatin1Char('/'));
                out += stacked;
                i = end;
            }
            break;
        case 'f': case 'F': case 'H': case 'h': case 'C': case 'c': case 'W': case 'w': case 'Q': case 'q':
        case 'T': case 't': case 'A': case 'a': case 'p':
            // A code with a value up to its semicolon.
            i = end > i ? end : text.size();
            break;
        default:
            out += code;
            break;
        }
    }
    return out.split(QLatin1Char('\n'));
}

QPainterPath TextOutline::line(const QString& text, double& advance) const
{
    QPainterPath glyphs;
    glyphs.addText(0.0, 0.0, font_, text);
    advance = metrics_.horizontalAdvance(text) / capHeight_;
    return QTransform::fromScale(1.0 / capHeight_, -1.0 / capHeight_).map(glyphs);
}

TextOutline::Outline TextOutline::finish(const QPainterPath& local, double advance, const QTransform& toDrawing) const
{
    Outline outline;
    outline.glyphs = toDrawing.map(local);
    if (advance > 0.0)
        outline.box = toDrawing.map(boxOf(0.0, -metrics_.descent() / capHeight_, advance, 1.0));
    return outline;
}

TextOutline::Outline TextOutline::placed(const QString& text, const QPointF& at, double height, double rotation,
                                         Across across, Upright upright) const
{
    double advance = 0.0;
    const QPainterPath local = line(shown(text), advance);
    const double dx = across == Across::Left ? 0.0 : across == Across::Centre ? -advance / 2.0 : -advance;
    double dy = 0.0;
    if (upright == Upright::Bottom)
        dy = metrics_.descent() / capHeight_;
    else if (upright == Upright::Middle)
        dy = -0.5;
    else if (upright == Upright::Top)
        dy = -1.0;
    QTransform toDrawing;
    toDrawing.translate(at.x(), at.y());
    toDrawing.rotateRadians(rotation);
    toDrawing.scale(height, height);
    toDrawing.translate(dx, dy);
    return finish(local, advance, toDrawing);
}

TextOutline::Outline TextOutline::text(const standin::TextShape& s) const
{
    const QPointF position(s.position.x, s.position.y);
    const QPointF aligned(s.alignmentPoint.x, s.alignmentPoint.y);
    const int a = s.alignment;
    if (a == 3 || a == 5) {
        // Aligned and fit run from the insertion point to the alignment
        // point: aligned scales the whole text, fit only its width.
        const QPointF run = aligned - position;
        const double length = std::hypot(run.x(), run.y());
        double advance = 0.0;
        const QPainterPath local = line(shown(s.text), advance);
        if (length > 0.0 && advance > 0.0) {
            const double along = length / advance;
            QTransform toDrawing;
            toDrawing.translate(position.x(), position.y());
            toDrawing.rotateRadians(std::atan2(run.y(), run.x()));
            toDrawing.scale(along, a == 3 ? along : s.height);
            return finish(local, advance, toDrawing);
        }
        return placed(s.text, position, s.height, s.rotation, Across::Left, Upright::Baseline);
    }
    if (a == 1 || a == 2 || a == 4) {
        const Across across = a == 2 ? Across::Right : Across::Centre;
        return placed(s.text, aligned, s.height, s.rotation, across, a == 4 ? Upright::Middle : Upright::Baseline);
    }
    if (a >= 6 && a <= 14) {
        static constexpr Upright Rows[] = {Upright::Top, Upright::Middle, Upright::Bottom};
        static constexpr Across Columns[] = {Across::Left, Across::Centre, Across::Right};
        return placed(s.text, aligned, s.height, s.rotation, Columns[(a - 6) % 3], Rows[(a - 6) / 3]);
    }
    return placed(s.text, position, s.height, s.rotation, Across::Left, Upright::Baseline);
}

TextOutline::Outline TextOutline::paragraph(const standin::ParagraphShape& s) const
{
    const double h = s.height;
    // Lines as written, then broken at blanks to fit the width.
    QStringList lines;
    for (const QString& written : paragraphLines(s.text)) {
        const QString text = shown(written);
        if (!(s.width > 0.0)) {
            lines.append(text);
            continue;
        }
        QString current;
        for (const QString& word : text.split(QLatin1Char(' '))) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && metrics_.horizontalAdvance(longer) / capHeight_ * h > s.width) {
                lines.append(current);
                current = word;
            } else {
                current = longer;
            }
        }
        lines.append(current);
    }
    std::vector<double> advances;
    std::vector<QPainterPath> paths;
    double widest = 0.0;
    for (const QString& text : lines) {
        double advance = 0.0;
        paths.push_back(line(text, advance));
        advances.push_back(advance * h);
        widest = std::max(widest, advance * h);
    }
    const double width = s.width > 0.0 ? s.width : widest;
    const double height = h + double(lines.size() - 1) * LineSpacing * h;
    const int attachment = std::clamp(s.attachment, 1, 9);
    const int row = (attachment - 1) / 3;
    const int column = (attachment - 1) % 3;
    const double left = -width * column / 2.0;
    const double top = row == 0 ? 0.0 : row == 1 ? height / 2.0 : height;

    QPainterPath local;
    for (size_t i = 0; i < paths.size(); ++i) {
        QTransform place;
        place.translate(left + (width - advances[i]) * column / 2.0, top - h - double(i) * LineSpacing * h);
        place.scale(h, h);
        local.addPath(place.map(paths[i]));
    }
    QTransform toDrawing;
    toDrawing.translate(s.position.x, s.position.y);
    toDrawing.rotateRadians(s.rotation);
    Outline outline;
    outline.glyphs = toDrawing.map(local);
    if (width > 0.0)
        outline.box = toDrawing.map(boxOf(left, top - height, left + width, top));
    return outline;
}

}  // namespace hostview
