#pragma once

#include "skin/data/data_skin_control.h"

// A list box; its scroll bars use the definitions named here.
class TbsDataSkinListBox : public TbsDataSkinCustomControl, public ListItemKeys, public FontKeys, public UpDownButtonKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("listbox"); }

    SkinColor activeFontColor { 0 };
    SkinColor focusFontColor { 0 };
    SkinRect captionRect;
    QString captionFontName { kDefaultFontName };
    int captionFontHeight { kDefaultFontHeight };
    FontStyles captionFontStyle { 0 };
    SkinColor captionFontColor { 0 };
    SkinRect checkButtonRect;
    SkinRect activeCheckButtonRect;
    SkinRect downCheckButtonRect;
    QString vScrollBarName { QStringLiteral("vscrollbar") };
    QString hScrollBarName { QStringLiteral("hscrollbar") };
    QString bothHScrollBarName { QStringLiteral("bothhscrollbar") };
    bool showFocus { false };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;
    QString TypeName() const override { return QStringLiteral("checklistbox"); }

    SkinRect itemCheckRect;
    SkinRect checkImageRect;
    SkinRect uncheckImageRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A combo box; its drop-down list uses the list box definition listBoxName.
class TbsDataSkinComboBox : public TbsDataSkinCustomControl, public ListItemKeys, public FontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("combobox"); }

    SkinRect activeSkinRect;
    SkinColor focusFontColor { 0 };
    SkinColor activeFontColor { 0 };
    QString listBoxName;
    SkinRect buttonRect;
    SkinRect activeButtonRect;
    SkinRect downButtonRect;
    SkinRect unenabledButtonRect;
    bool itemStretchEffect { false };
    bool focusItemStretchEffect { false };
    bool showFocus { false };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
