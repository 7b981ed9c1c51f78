#pragma once

#include "skin/data/definition_defaults.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_rect.h"
#include "skin/data/skin_values.h"

#include <QPoint>
#include <QString>

class SkinKeyVisitor;

// The definition of one kind of skinned control: which picture holds its
// images and where each image lies. It is read from the section named by its
// IDName. Fields carry the name of their key in camel case (key "skinrect" is
// skinRect) and start at the key's default.
class TbsDataSkinControl {
public:
    explicit TbsDataSkinControl(const QString& idName);
    virtual ~TbsDataSkinControl() = default;
    TbsDataSkinControl(const TbsDataSkinControl&) = delete;
    TbsDataSkinControl& operator=(const TbsDataSkinControl&) = delete;

    // Reads every key, the parent class's first; a missing key takes its
    // default. Throws SkinConversionError for a malformed rectangle or point.
    virtual void ReadFromIni(const TbsIniFile& ini);
    // Erases the section and writes the keys that ReadFromIni reads, in the
    // same order.
    virtual void WriteToIni(TbsIniFile& ini) const;

    // The [SKINCONTROLS] type word that creates this class ("button", ...).
    virtual QString TypeName() const = 0;
    const QString& IDName() const { return m_idName; }

    int pictureIndex { -1 };
    int maskPictureIndex { -1 };
    SkinRect skinRect;

protected:
    // Visits the keys in reading order; every override visits its parent's
    // keys first.
    virtual void VisitKeys(SkinKeyVisitor& keys);

private:
    QString m_idName;
};

// A control whose skinRect is cut into corners, edges and a middle and
// resized to the control.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QPoint leftTopPoint;
    QPoint rightTopPoint;
    QPoint leftBottomPoint;
    QPoint rightBottomPoint;
    SkinRect clientRect;
    bool leftStretch { false };
    bool topStretch { false };
    bool rightStretch { false };
    bool bottomStretch { false };
    bool stretchEffect { false };
    StretchType stretchType { StretchType::stFull };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
