#pragma once
// Reads the body of a call or an answer strictly: every read is checked
// against the bytes left, a tag other than the one expected is a type
// mismatch (13), a value missing at the end or bytes left over are a wrong
// number of arguments (450). Nothing the bytes say is trusted for a size
// before it is checked against what is there.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace remote {

class WireReader {
public:
    explicit WireReader(const QByteArray& bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    qsizetype remaining() const { return bytes_.size() - pos_; }

    // Takes the next tag; raises 450 when no value is left and 13 when it is
    // another tag.
    void expectTag(char tag);
    // Takes a null value when one is next.
    bool takeNull();
    // The next tag without taking it; 450 when no value is left.
    char peekTag() const;

    bool boolean();
    int32_t int32();
    quint32 uint32();
    quint64 uint64();
    double real();
    QString text();
    // A list's element count, checked against the bytes left at
    // `minimumBytesEach` per element.
    quint32 count(qsizetype minimumBytesEach);

    // Raises 450 when values are left over.
    void expectEnd() const;

    [[noreturn]] static void mismatch(const QString& detail);

private:
    const char* take(qsizetype size);

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

}  // namespace remote
