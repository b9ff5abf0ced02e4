#pragma once
// Injected failures: any host member ("Document.Open", "Utility.GetPoint",
// "Application.ActiveDocument", ...) can be made to raise a given error number
// on its next call(s) or on every call, so tests reach the tools' error paths.

#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>

namespace standin {

class Failures {
public:
    // Each call queues one failure: the member's next call raises it.
    void failNext(const QString& member, int32_t number, const QString& description = QString());
    void failAlways(const QString& member, int32_t number, const QString& description = QString());
    void clear(const QString& member);
    void clear();

    // Raises the failure due for the member, if any.
    void check(const QString& member);

private:
    struct Failure {
        int32_t number = 0;
        QString description;
    };

    [[noreturn]] static void raise(const Failure& failure);

    QHash<QString, QList<Failure>> next_;
    QHash<QString, Failure> always_;
};

}  // namespace standin
