#pragma once
// Writes the text body of a drawing file: one record per line, fields
// separated by tabs, with backslash escapes for tab, line breaks and the
// backslash itself, so any text survives the round trip.

#include "platform/cad/Point.h"

#include <QString>
#include <QStringList>

namespace standin {

class RecordWriter {
public:
    RecordWriter& begin(const QString& keyword);
    RecordWriter& text(const QString& value);
    RecordWriter& number(double value);
    RecordWriter& integer(int value);
    RecordWriter& flag(bool value) { return integer(value ? 1 : 0); }
    RecordWriter& point(const cad::Point& value);
    RecordWriter& point(const cad::Point2& value);
    void end();

    QString result() const { return lines_.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

private:
    QStringList fields_;
    QStringList lines_;
};

}  // namespace standin
