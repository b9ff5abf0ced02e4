#pragma once
// Reads one record line of a drawing file's text body, field by field. Every
// malformed field (missing, not a number, a bad escape, fields left over)
// raises the host's error for a damaged drawing, naming the line.

#include "platform/cad/Point.h"

#include <QString>
#include <QStringList>

namespace standin {

class RecordReader {
public:
    RecordReader(const QString& line, int lineNumber);

    const QString& keyword() const { return keyword_; }
    int lineNumber() const { return lineNumber_; }

    QString text();
    double number();
    int integer();
    bool flag();
    cad::Point point();
    cad::Point2 point2();
    // True when every field has been read: the fields a record gained after
    // the format's first version are missing from older files.
    bool atEnd() const { return position_ >= fields_.size(); }
    // Raises when fields are left.
    void finish() const;

    [[noreturn]] void fail(const QString& why) const;
    [[noreturn]] static void fail(int lineNumber, const QString& why);

private:
    QString next();

    QString keyword_;
    QStringList fields_;
    int position_ = 0;
    int lineNumber_ = 0;
};

}  // namespace standin
