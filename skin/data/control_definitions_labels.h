#pragma once

#include "skin/data/data_skin_control.h"

// A label drawn on a skin image.
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl, public FontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("label"); }


protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A text-only label; it has no picture geometry.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl, public FontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    QString TypeName() const override { return QStringLiteral("stdlabel"); }

    SkinColor activeFontColor { kDefaultActiveFontColor };

    static constexpr SkinColor kDefaultActiveFontColor = 0x00FF0000; // pure blue

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    QString TypeName() const override { return QStringLiteral("bevel"); }

    SkinColor lightColor { 0 };
    SkinColor darkColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
