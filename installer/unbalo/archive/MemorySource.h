#pragma once

#include "installer/unbalo/archive/ArchiveSource.h"

namespace unbalo {

// An archive held in memory: a test's or a fuzzer's bytes.
class MemorySource : public ArchiveSource {
public:
    explicit MemorySource(QByteArray bytes) : bytes_(std::move(bytes)) {}

    qint64 size() const override { return bytes_.size(); }
    QByteArray read(qint64 offset, qint64 length) const override;

private:
    QByteArray bytes_;
};

}  // namespace unbalo
