#pragma once

#include "skin/data/data_skin_control.h"

// The common part of the tree view, list view and rich edit definitions: the
// skin gives them only a font and a background colour.
class TbsDataSkinTextViewControl : public TbsDataSkinControl, public FontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    SkinColor bgColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinTreeView : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
    QString TypeName() const override { return QStringLiteral("treeview"); }
};

class TbsDataSkinListView : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
    QString TypeName() const override { return QStringLiteral("listview"); }
};

class TbsDataSkinRichEdit : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
    QString TypeName() const override { return QStringLiteral("richedit"); }
};
