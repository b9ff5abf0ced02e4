#pragma once
// What the single-line and the paragraph text share: the string, insertion
// point, height, rotation and text style, with their journalled members and
// the style they refer to. How the insertion point moves is each kind's own.

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class TextEntity : public EntityBase {
public:
    QString textString() const override;
    void setTextString(const QString& text) override;
    double height() const override;
    void setHeight(double height) override;
    QString styleName() const override;
    void setStyleName(const QString& style) override;
    cad::Point insertionPoint() const override;
    double rotation() const override;
    void setRotation(double rotation) override;

    void listNames(std::vector<NameRef>& names) override;

protected:
    TextEntity(int type, QString className, const QString& text, const cad::Point& at, double height);

    QString detail() const override { return text_; }

    QString text_;
    cad::Point insertion_;
    double height_;
    double rotation_ = 0.0;
    QString style_ = QStringLiteral("Standard");
};

}  // namespace standin
