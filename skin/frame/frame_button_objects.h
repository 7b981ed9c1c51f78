#pragma once

#include "skin/frame/frame_object.h"
#include "skin/menus/skin_popup_menu.h"

#include <QPointer>

class TbsDataSkinButton;
class TbsDataSkinStdButton;

// A frame button: pressed and disabled faces besides the base ones.
class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsFrameObjectHost& host, const TbsDataSkinButton* definition);

    void Draw(QPainter& painter, bool wholeFrame) override;
    void MouseDown(int button, int x, int y) override;
    void MouseUp(int button, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool EndMorphPending() const override;

    void SetDown(bool down);
    bool Down() const { return m_down; }
    // The button stays down while a menu it opened is showing.
    bool MenuShown { false };
    // The drop-down a left press opens, above the button with PopupUp.
    QPointer<TbsSkinPopupMenu> PopupMenu;
    bool PopupUp { false };

    QRect DownRect;
    QRect DisableSkinRect;

protected:
    bool m_down { false };
};

// A caption button that runs a frame command. Without a definition (the
// default frame) it draws a plain face with the command's glyph.
class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    TbsSkinStdButtonObject(TbsFrameObjectHost& host, const TbsDataSkinStdButton* definition);
    // A default button of the frame without a skin.
    TbsSkinStdButtonObject(TbsFrameObjectHost& host, const QString& idName, TbsStdCommand command);

    void Draw(QPainter& painter, bool wholeFrame) override;
    void MouseDown(int button, int x, int y) override;
    void MouseUp(int button, int x, int y) override;
    void DblClick() override;
    bool EndMorphPending() const override;
    bool InButtonRow() const override { return SkinRectInAPicture; }
    TbsStdCommand RowCommand() const override { return Command; }
    bool IsCaptionButton() const override { return true; }
    QSize RowSize() const override;

    // The window is in the state this button's command toggles (maximized
    // for maximize, minimized for minimize, rolled up for roll up).
    bool CommandStateInForce() const;
    // What a whole click on the button does: opens the system menu for the
    // system-menu button, runs the command otherwise; nothing while disabled.
    void Click();

    TbsStdCommand Command { cmDefault };
    QRect RestoreRect;
    QRect RestoreActiveRect;
    QRect RestoreDownRect;
    QRect RestoreInActiveRect;
    const bool FromDefinition;

private:
    void OpenSystemMenu();
    void DrawDefaultFace(QPainter& painter) const;
    void DrawRestoreFace(QPainter& painter) const;
    bool ShowsIcon() const;
};
