#include "platform/cad/standin/RecordReader.h"

#include "platform/cad/CadErrors.h"

#include <cmath>

namespace standin {

RecordReader::RecordReader(const QString& line, int lineNumber) : lineNumber_(lineNumber)
{
    fields_ = line.split(QLatin1Char('\t'));
    keyword_ = fields_.takeFirst();
}

void RecordReader::fail(int lineNumber, const QString& why)
{
    // Assumption: the host answers a drawing it cannot read with its general
    // exception error; the description says where the file is damaged.
    cad::raise(cad::err::ExceptionOccurred,
               QStringLiteral("the drawing file is damaged (line %1: %2)").arg(lineNumber).arg(why));
}

void RecordReader::fail(const QString& why) const { fail(lineNumber_, why); }

QString RecordReader::next()
{
    if (position_ >= fields_.size())
        fail(QStringLiteral("%1 record too short").arg(keyword_));
    return fields_[position_++];
}

QString RecordReader::text()
{
    const QString raw = next();
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != QLatin1Char('\\')) {
            out += raw[i];
            continue;
        }
        if (++i >= raw.size())
            fail(QStringLiteral("escape at the end of a field"));
        switch (raw[i].unicode()) {
        case '\\': out += QLatin1Char('\\'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        default: fail(QStringLiteral("unknown escape \\%1").arg(raw[i]));
        }
    }
    return out;
}

double RecordReader::number()
{
    const QString raw = next();
    bool ok = false;
    const double value = raw.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        fail(QStringLiteral("\"%1\" is not a number").arg(raw));
    return value;
}

int RecordReader::integer()
{
    const QString raw = next();
    bool ok = false;
    const int value = raw.toInt(&ok);
    if (!ok)
        fail(QStringLiteral("\"%1\" is not a whole number").arg(raw));
    return value;
}

bool RecordReader::flag()
{
    const int value = integer();
    if (value != 0 && value != 1)
        fail(QStringLiteral("%1 is not a flag").arg(value));
    return value == 1;
}

cad::Point RecordReader::point()
{
    cad::Point p;
    p.x = number();
    p.y = number();
    p.z = number();
    return p;
}

cad::Point2 RecordReader::point2()
{
    cad::Point2 p;
    p.x = number();
    p.y = number();
    return p;
}

void RecordReader::finish() const
{
    if (position_ != fields_.size())
        fail(QStringLiteral("%1 record has %2 extra fields").arg(keyword_).arg(fields_.size() - position_));
}

}  // namespace standin
