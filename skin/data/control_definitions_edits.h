#pragma once

#include "skin/data/data_skin_control.h"

// A one-line edit, optionally with a button inside it.
class TbsDataSkinEditControl : public TbsDataSkinCustomControl, public FontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("edit"); }

    SkinRect activeSkinRect;
    SkinColor disabledFontColor { 0 };
    SkinColor activeFontColor { 0 };
    SkinRect buttonRect;
    SkinRect activeButtonRect;
    SkinRect downButtonRect;
    SkinRect unenabledButtonRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;
    QString TypeName() const override { return QStringLiteral("memo"); }

    SkinColor bgColor { 0 };
    SkinColor activeBgColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// An edit with up and down buttons beside it.
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl, public FontKeys, public UpDownButtonKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("spinedit"); }

    SkinRect activeSkinRect;
    SkinColor activeFontColor { 0 };
    SkinColor disabledFontColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
