#pragma once

#include "skin/data/definition_key_groups.h"
#include "skin/data/frame_command.h"
#include "skin/data/named_definition.h"

// The definition of one frame object (caption button, caption, animation,
// menu item), read from the section named by its IDName. Fields carry the
// name of their key in camel case and start at the key's default.
class TbsDataSkinObject : public NamedDefinition {
public:
    using NamedDefinition::NamedDefinition;

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
    void VisitKeys(SkinKeyVisitor& keys) override;
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
class TbsDataSkinStdButton : public TbsDataSkinButton, public RestoreFaceKeys {
public:
    using TbsDataSkinButton::TbsDataSkinButton;
    QString TypeName() const override { return QStringLiteral("stdbutton"); }

    TbsStdCommand command { cmDefault };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
    QString TypeName() const override { return QStringLiteral("mainmenubarbutton"); }
};

// An animated frame element; it never morphs, whatever its section says.
class TbsDataSkinAnimate : public TbsDataSkinObject, public RestoreFaceKeys {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    QString TypeName() const override { return QStringLiteral("animate"); }

    int countFrames { 1 };
    bool cycle { false };
    bool buttonStyle { false };
    int timerInterval { 50 };
    TbsStdCommand command { cmDefault };
    SkinRect downSkinRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
    void CompleteAfterReading() override;
};

// The caption text area of the frame.
class TbsDataSkinCaption : public TbsDataSkinObject, public FontKeys, public AnimationKeys {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    QString TypeName() const override { return QStringLiteral("caption"); }

    SkinRect textRect;
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
    bool inactiveAnimation { false };
    bool fullFrame { false };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
