#pragma once

#include "skin/data/frame_command.h"
#include "skin/data/definition_defaults.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_rect.h"
#include "skin/data/skin_values.h"

#include <QString>

class SkinKeyVisitor;

// The definition of one frame object (caption button, caption, animation,
// menu item), read from the section named by its IDName. Fields carry the
// name of their key in camel case and start at the key's default.
class TbsDataSkinObject {
public:
    explicit TbsDataSkinObject(const QString& idName);
    virtual ~TbsDataSkinObject() = default;
    TbsDataSkinObject(const TbsDataSkinObject&) = delete;
    TbsDataSkinObject& operator=(const TbsDataSkinObject&) = delete;

    // Reads every key, the parent class's first; a missing key takes its
    // default. Throws SkinConversionError for a malformed rectangle or point.
    virtual void ReadFromIni(const TbsIniFile& ini);
    // Erases the section and writes the keys that ReadFromIni reads, in the
    // same order.
    virtual void WriteToIni(TbsIniFile& ini) const;

    // The [SKINOBJECTS] type word that creates this class ("stdbutton", ...).
    virtual QString TypeName() const = 0;
    const QString& IDName() const { return m_idName; }

    QString hint;
    int activePictureIndex { -1 };
    // skinRect is cut from the activePictureIndex picture too, not from the
    // main picture.
    bool skinRectInAPicture { false };
    SkinRect skinRect;
    SkinRect activeSkinRect;
    SkinRect inactiveSkinRect;
    bool morphing { false };
    MorphKind morphKind { MorphKind::mkDefault };

protected:
    // Visits the keys in reading order; overrides visit their parent's keys
    // first.
    virtual void VisitKeys(SkinKeyVisitor& keys);

private:
    QString m_idName;
};

// A user-defined area of the frame; only its place (skinRect) is read.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    QString TypeName() const override { return QStringLiteral("userobject"); }

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    QString TypeName() const override { return QStringLiteral("button"); }

    SkinRect downRect;
    SkinRect disableSkinRect; // key "disableskinrsect", spelled so in skins

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A caption button that runs a frame command.
class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;
    QString TypeName() const override { return QStringLiteral("stdbutton"); }

    TbsStdCommand command { cmDefault };
    // Faces while the command's state is in force (a maximised window's
    // maximise button shows restore).
    SkinRect restoreRect;
    SkinRect restoreActiveRect;
    SkinRect restoreDownRect;
    SkinRect restoreInactiveRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
    QString TypeName() const override { return QStringLiteral("mainmenubarbutton"); }
};

// An animated frame element; it never morphs, whatever its section says.
class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    QString TypeName() const override { return QStringLiteral("animate"); }
    void ReadFromIni(const TbsIniFile& ini) override;

    int countFrames { 1 };
    bool cycle { false };
    bool buttonStyle { false };
    int timerInterval { 50 };
    TbsStdCommand command { cmDefault };
    SkinRect downSkinRect;
    SkinRect restoreRect;
    SkinRect restoreActiveRect;
    SkinRect restoreDownRect;
    SkinRect restoreInactiveRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// The caption text area of the frame.
class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    QString TypeName() const override { return QStringLiteral("caption"); }

    SkinRect textRect;
    QString fontName { kDefaultFontName };
    int fontHeight { kDefaultFontHeight };
    FontStyles fontStyle { 0 };
    SkinColor fontColor { 0 };
    SkinColor activeFontColor { 0 };
    Alignment alignment { Alignment::taCenter };
    bool light { false };
    SkinColor lightColor { 0 };
    SkinColor activeLightColor { 0 };
    bool shadow { false };
    SkinColor shadowColor { 0 };
    SkinColor activeShadowColor { 0 };
    SkinRect frameRect;
    SkinRect activeFrameRect;
    SkinRect frameTextRect;
    int frameLeftOffset { 0 };
    int frameRightOffset { 0 };
    bool stretchEffect { false };
    SkinRect animateSkinRect;
    int frameCount { 0 };
    int animateInterval { kDefaultAnimateInterval };
    bool inactiveAnimation { false };
    bool fullFrame { false };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
