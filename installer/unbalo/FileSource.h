#pragma once

#include "installer/unbalo/archive/ArchiveSource.h"

#include <QFile>

namespace unbalo {

// The installer's own file as the archive's source, opened once and read by
// position; the items are copied out of it by the host.
class FileSource : public ArchiveSource {
public:
    // Raises 53 when the host file cannot be opened for reading.
    explicit FileSource(const QString& hostPath);

    qint64 size() const override;
    QByteArray read(qint64 offset, qint64 length) const override;
    QString hostFile() const override { return file_.fileName(); }

private:
    mutable QFile file_;
};

}  // namespace unbalo
