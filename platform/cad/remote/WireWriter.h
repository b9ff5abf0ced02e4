#pragma once
// Builds the body of a call or an answer: values one after another, each a tag
// and its data (WireTag.h).

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace remote {

class WireWriter {
public:
    void tag(char tag) { bytes_.append(tag); }
    void boolean(bool value) { bytes_.append(value ? '\1' : '\0'); }
    void int32(int32_t value);
    void uint32(quint32 value);
    void uint64(quint64 value);
    void real(double value);
    // Length and UTF-8 bytes, without a tag.
    void text(const QString& value);

    const QByteArray& bytes() const { return bytes_; }
    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

}  // namespace remote
