#include "platform/cad/standin/RecordWriter.h"

namespace standin {

namespace {

QString escaped(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

RecordWriter& RecordWriter::begin(const QString& keyword)
{
    fields_ = {keyword};
    return *this;
}

RecordWriter& RecordWriter::text(const QString& value)
{
    fields_.append(escaped(value));
    return *this;
}

RecordWriter& RecordWriter::number(double value)
{
    fields_.append(QString::number(value, 'g', 17));
    return *this;
}

RecordWriter& RecordWriter::integer(int value)
{
    fields_.append(QString::number(value));
    return *this;
}

RecordWriter& RecordWriter::point(const cad::Point& value)
{
    return number(value.x).number(value.y).number(value.z);
}

RecordWriter& RecordWriter::point(const cad::Point2& value) { return number(value.x).number(value.y); }

void RecordWriter::end()
{
    lines_.append(fields_.join(QLatin1Char('\t')));
    fields_.clear();
}

}  // namespace standin
