#pragma once
// An attribute of a block reference ("AcDbAttribute"): tag and text, placed
// with the reference. It lives inside its reference, not in the block's list.

#include "platform/cad/AttributeReference.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Shapes.h"

namespace standin {

class RecordReader;

class AttributeReference : public EntityBase, public cad::AttributeReference {
public:
    static const QString Keyword;

    AttributeReference(const QString& tag, const QString& text, const cad::Point& at, double height);

    QString tagString() const override;
    void setTagString(const QString& tag) override;
    QString textString() const override;
    void setTextString(const QString& text) override;
    double height() const override;
    void setHeight(double height) override;
    cad::Point insertionPoint() const override;
    void setInsertionPoint(const cad::Point& point) override;
    QString styleName() const override;
    void setStyleName(const QString& style) override;
    void remove() override;

    void moveBy(const cad::Point& delta);
    void setRawStyle(const QString& style) { style_ = style; }
    TextShape shape() const;

    void listNames(std::vector<NameRef>& names) override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<AttributeReference>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<AttributeReference> read(RecordReader& reader);

protected:
    QString detail() const override { return tag_ + QLatin1Char('=') + text_; }

private:
    QString tag_;
    QString text_;
    cad::Point position_;
    double height_;
    QString style_ = QStringLiteral("Standard");
};

}  // namespace standin
