#pragma once
// The base of every object that belongs to a drawing (table entries, blocks,
// entities, layouts): it knows its drawing without owning it, knows whether it
// has been erased, and runs the host guards. A call on an object of a host
// that has been shut down raises RpcServerUnavailable; on an erased object, or
// on one whose drawing has been closed or replaced, ExceptionOccurred. The
// property helpers give every property read and write the host's one pattern.

#include "platform/cad/standin/JournalText.h"

#include <QString>
#include <memory>
#include <type_traits>

namespace standin {

class Drawing;

class DrawingObject {
public:
    explicit DrawingObject(std::weak_ptr<Drawing> drawing = {}) : drawing_(std::move(drawing)) {}
    virtual ~DrawingObject() = default;

    void markErased() { erased_ = true; }
    // Moves the object into a drawing (a copy made for another drawing).
    void rebind(std::weak_ptr<Drawing> drawing)
    {
        drawing_ = std::move(drawing);
        erased_ = false;
    }
    const std::weak_ptr<Drawing>& weakDrawing() const { return drawing_; }

protected:
    std::shared_ptr<Drawing> alive() const;
    // A read: the drawing, after the injected failures for the member.
    std::shared_ptr<Drawing> enter(const QString& member) const;
    // An action: journalled, then the injected failures.
    std::shared_ptr<Drawing> act(const QString& member, const QString& detail = QString()) const;
    // An action that changes the drawing: as act(), and the drawing is marked
    // modified.
    std::shared_ptr<Drawing> change(const QString& member, const QString& detail = QString()) const;

    // A property read: the guards, then the field.
    template <class T>
    T get(const QString& member, const T& field) const
    {
        enter(member);
        return field;
    }

    // A property write: journalled as "member subject value" (the value alone
    // when there is no subject) with the drawing marked modified, then each
    // check is given the drawing and the value, in order. A check refuses a
    // value by raising the host's error; one that returns a value gives the
    // value as stored (a style's name as the drawing spells it). Then the
    // field takes the value.
    template <class T, class... Checks>
    void set(const QString& member, const QString& subject, T& field, const std::type_identity_t<T>& value,
             Checks&&... checks)
    {
        const QString text = JournalText::of(value);
        const std::shared_ptr<Drawing> drawing =
            change(member, subject.isEmpty() ? text : subject + QLatin1Char(' ') + text);
        T stored = value;
        (applyCheck(checks, *drawing, stored), ...);
        field = std::move(stored);
    }

private:
    template <class Check, class T>
    static void applyCheck(Check& check, const Drawing& drawing, T& value)
    {
        if constexpr (std::is_void_v<decltype(check(drawing, value))>)
            check(drawing, value);
        else
            value = check(drawing, value);
    }

    std::weak_ptr<Drawing> drawing_;
    bool erased_ = false;
};

}  // namespace standin
