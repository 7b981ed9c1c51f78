#pragma once

#include "skin/data/data_skin_control.h"

// A one-line edit, optionally with a button inside it.
class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("edit"); }

    SkinRect activeSkinRect;
    QString fontName { kDefaultFontName };
    int fontHeight { kDefaultFontHeight };
    FontStyles fontStyle { 0 };
    SkinColor fontColor { 0 };
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
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("spinedit"); }

    SkinRect activeSkinRect;
    QString fontName { kDefaultFontName };
    int fontHeight { kDefaultFontHeight };
    FontStyles fontStyle { 0 };
    SkinColor fontColor { 0 };
    SkinColor activeFontColor { 0 };
    SkinColor disabledFontColor { 0 };
    SkinRect upButtonRect;
    SkinRect activeUpButtonRect;
    SkinRect downUpButtonRect;
    SkinRect downButtonRect;
    SkinRect activeDownButtonRect;
    SkinRect downDownButtonRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
