#pragma once
// The base of every object that belongs to a drawing (table entries, blocks,
// entities, layouts): it knows its drawing without owning it, knows whether it
// has been erased, and runs the host guards. A call on an erased object, or on
// one whose drawing has been closed or replaced, raises ExceptionOccurred.

#include <QString>
#include <memory>

namespace standin {

class Drawing;

class DrawingObject {
public:
    explicit DrawingObject(std::weak_ptr<Drawing> drawing = {}) : drawing_(std::move(drawing)) {}
    virtual ~DrawingObject() = default;

    bool isErased() const { return erased_; }
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

private:
    std::weak_ptr<Drawing> drawing_;
    bool erased_ = false;
};

}  // namespace standin
