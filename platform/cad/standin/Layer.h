#pragma once
// A layer of a stand-in drawing. New layers have colour 7 and the linetype
// "Continuous", and are on and thawed.

#include "platform/cad/Layer.h"
#include "platform/cad/standin/SymbolRecord.h"

namespace standin {

class Layer : public cad::Layer, public SymbolRecord {
public:
    Layer(std::weak_ptr<Drawing> drawing, QString name);

    QString name() const override;
    int color() const override;
    void setColor(int color) override;
    QString linetype() const override;
    void setLinetype(const QString& linetype) override;
    bool freeze() const override;
    void setFreeze(bool frozen) override;
    bool layerOn() const override;
    void setLayerOn(bool on) override;

    int rawColor() const { return color_; }
    const QString& rawLinetype() const { return linetype_; }
    bool rawFrozen() const { return frozen_; }
    bool rawOn() const { return on_; }
    void setRaw(int color, const QString& linetype, bool on, bool frozen);

private:
    int color_ = 7;
    QString linetype_ = QStringLiteral("Continuous");
    bool on_ = true;
    bool frozen_ = false;
};

}  // namespace standin
