#pragma once

#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_look.h"
#include "skin/frame/frame_shape.h"
#include "skin/frame/magnetic_edges.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/frame/tray_icon.h"
#include "skin/frame/window_state.h"
#include "skin/frame/window_state_controller.h"
#include "skin/frame/window_tray.h"
#include "skin/hints/skin_hint.h"
#include "skin/menus/skin_popup_menu.h"

#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QKeyEvent;
class QWindowStateChangeEvent;
class QPainter;
class TbsFormRequestEvent;
class QWidget;
class TbsActiveSkinObject;
class TbsFormClientArea;
class TbsFrameMoveSizeLoop;
class TbsSkinFormHost;
class TbsMenuItem;
class TbsSkinData;
class TbsSkinMenu;
class TbsSystemMenu;

// The skin form controller: takes over a form's frame. The form becomes a
// frameless top-level window whose controls live in ClientArea(), a child
// inset by the frame. The controller paints the frame from the skin (or a
// plain default frame without one), cuts the window to the skin's mask, runs
// the caption buttons and the other frame objects, moves and sizes the window
// from its caption and borders, and emulates the window states (maximized,
// minimized, rolled up) itself. Every event of the form passes its event
// filter, which hands it to a handler named after the window message it
// stands for.
class TbsSkinForm : public QObject {
    Q_OBJECT

public:
    // The owner is the form the controller serves.
    explicit TbsSkinForm(QWidget* form);
    ~TbsSkinForm() override;

    QWidget* Form() const { return m_form; }
    // The widget the form's controls belong in; it fills the area inside the
    // frame.
    QWidget* ClientArea() const;
    // Gives the form the client size size inside the current frame.
    void SetFormClientSize(const QSize& size);

    TbsSkinData* SkinData() const;
    void SetSkinData(TbsSkinData* skinData);

    TFormBorderStyle FormBorderStyle() const { return m_formBorderStyle; }
    void SetFormBorderStyle(TFormBorderStyle style);

    TbsBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TbsBorderIcons icons);
    bool DisableSystemMenu() const { return m_disableSystemMenu; }
    void SetDisableSystemMenu(bool value);
    bool AlwaysResize() const { return m_alwaysResize; }
    void SetAlwaysResize(bool value) { m_alwaysResize = value; }
    TbsPositionInMonitor PositionInMonitor() const { return m_windowState->PositionInMonitor(); }
    void SetPositionInMonitor(TbsPositionInMonitor value) { m_windowState->SetPositionInMonitor(value); }
    bool UseFormCursorInNCArea() const { return m_useFormCursorInNCArea; }
    void SetUseFormCursorInNCArea(bool value) { m_useFormCursorInNCArea = value; }
    int ClientWidth() const { return m_clientWidth; }
    void SetClientWidth(int value) { m_clientWidth = value; }
    int ClientHeight() const { return m_clientHeight; }
    void SetClientHeight(int value) { m_clientHeight = value; }
    bool HideCaptionButtons() const { return m_hideCaptionButtons; }
    void SetHideCaptionButtons(bool value);
    bool ShowIcon() const { return m_showIcon; }
    void SetShowIcon(bool value);
    bool MaximizeOnFullScreen() const { return m_windowState->MaximizeOnFullScreen(); }
    void SetMaximizeOnFullScreen(bool value) { m_windowState->SetMaximizeOnFullScreen(value); }
    bool AlphaBlend() const { return m_windowState->AlphaBlend(); }
    void SetAlphaBlend(bool value) { m_windowState->SetAlphaBlend(value); }
    int AlphaBlendValue() const { return m_windowState->AlphaBlendValue(); }
    void SetAlphaBlendValue(int value) { m_windowState->SetAlphaBlendValue(value); }
    bool AlphaBlendAnimation() const { return m_windowState->AlphaBlendAnimation(); }
    void SetAlphaBlendAnimation(bool value) { m_windowState->SetAlphaBlendAnimation(value); }
    const QFont& DefCaptionFont() const { return m_defCaptionFont; }
    void SetDefCaptionFont(const QFont& font);
    const QFont& DefInActiveCaptionFont() const { return m_defInActiveCaptionFont; }
    void SetDefInActiveCaptionFont(const QFont& font);
    const QImage& LogoBitMap() const { return m_logoBitMap; }
    void SetLogoBitMap(const QImage& logo);
    bool LogoBitMapTransparent() const { return m_logoBitMapTransparent; }
    void SetLogoBitMapTransparent(bool value);
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int value);
    int MinHeight() const { return m_minHeight; }
    void SetMinHeight(int value);
    int MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int value);
    int MaxHeight() const { return m_maxHeight; }
    void SetMaxHeight(int value);
    bool Magnetic() const { return m_magnetic; }
    void SetMagnetic(bool value) { m_magnetic = value; }
    int MagneticSize() const { return m_magneticSize; }
    void SetMagneticSize(int value) { m_magneticSize = value; }
    // The hint component that shows the objects' hints, with ShowObjectHint.
    TbsSkinHint* SkinHint() const { return m_skinHint; }
    void SetSkinHint(TbsSkinHint* hint) { m_skinHint = hint; }
    bool ShowObjectHint() const { return m_showObjectHint; }
    void SetShowObjectHint(bool value) { m_showObjectHint = value; }
    bool UseDefaultObjectHint() const { return m_useDefaultObjectHint; }
    void SetUseDefaultObjectHint(bool value) { m_useDefaultObjectHint = value; }
    bool AlwaysMinimizeToTray() const { return m_tray->AlwaysMinimizeToTray(); }
    void SetAlwaysMinimizeToTray(bool value) { m_tray->SetAlwaysMinimizeToTray(value); }

    // The tray. Without a tray icon the window has no way to the tray and
    // the tray operations do nothing. The icon is the window's while it is
    // set: a click on it brings the window back, and unless it has a menu
    // of its own it shows TrayPopupMenu().
    TbsTrayIcon* TrayIcon() const { return m_tray->TrayIcon(); }
    void SetTrayIcon(TbsTrayIcon* trayIcon) { m_tray->SetTrayIcon(trayIcon); }
    // The icon stays in the tray while the window shows too.
    bool AlwaysShowInTray() const { return m_tray->AlwaysShowInTray(); }
    void SetAlwaysShowInTray(bool value) { m_tray->SetAlwaysShowInTray(value); }
    // Hides the window to the tray; where the desktop has no tray, minimizes
    // it instead.
    void MinimizeToTray() { m_tray->MinimizeToTray(); }
    // Brings the window back from the tray (or from being minimized).
    void RestoreFromTray() { m_tray->RestoreFromTray(); }
    // "Restore", a separator and "Close", drawn by the skinned menu engine.
    TbsSkinPopupMenu* TrayPopupMenu() const;

    // The look of the menus the window shows. The settings below are the
    // window's menu engine's, so its system menu, its objects' menus and its
    // controls' popup menus all follow them.
    // The skin of the frame's own menus; without one they take SkinData.
    TbsSkinData* MenusSkinData() const;
    void SetMenusSkinData(TbsSkinData* skinData);
    // The skin the frame's menus are drawn with now.
    TbsSkinData* MenuSkin() const;
    // Rows shown at once before a menu scrolls; 0 for no limit, negative
    // values are ignored.
    int MaxMenuItemsInWindow() const;
    void SetMaxMenuItemsInWindow(int value);
    // Row height and font of menus drawn without a skin; only heights above
    // 0 are taken.
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int value);
    const QFont& DefMenuItemFont() const;
    void SetDefMenuItemFont(const QFont& font);
    // Skinned menus take the skin's item font; off, DefMenuItemFont.
    bool UseSkinFontInMenu() const;
    void SetUseSkinFontInMenu(bool value);
    bool MenusAlphaBlend() const;
    void SetMenusAlphaBlend(bool value);
    bool MenusAlphaBlendAnimation() const;
    void SetMenusAlphaBlendAnimation(bool value);
    int MenusAlphaBlendValue() const;
    void SetMenusAlphaBlendValue(int value);
    // A menu the frame opened is showing.
    bool SkinMenuOpen() const { return m_skinMenuOpen; }
    // A menu of the form's own shown as its system menu (it must outlive the
    // controller or be taken back with null); null for the standard rows.
    // With UseDefaultSysMenu the standard rows are put around its own.
    TbsMenuItem* SystemMenu() const;
    void SetSystemMenu(TbsMenuItem* menu);
    bool UseDefaultSysMenu() const;
    void SetUseDefaultSysMenu(bool value);

    // The frame is taken over at all; off, the window system's frame comes
    // back and only the client background stays skinned.
    bool SkinnableFrame() const { return m_skinnableFrame; }
    void SetSkinnableFrame(bool value);
    // A skin is present and loaded.
    bool Skinned() const { return m_skinned; }
    // Between the announcement of a load and its completion.
    bool ChangingSkin() const { return m_changingSkin; }
    TbsWindowState SkinWindowState() const { return m_windowState->State(); }
    void SetSkinWindowState(TbsWindowState state) { m_windowState->SetState(state); }
    bool RolledUp() const { return m_windowState->RolledUp(); }
    void SetRolledUp(bool value) { m_windowState->SetRolledUp(value); }
    bool RolledUpWhileMaximized() const { return m_windowState->RolledUpWhileMaximized(); }
    const QRect& RestoreBounds() const { return m_windowState->RestoreBounds(); }
    bool InSizeMove() const { return m_inSizeMove; }
    bool IsActive() const;
    bool CanResize() const;

    int GetMinWidth() const;
    int GetMinHeight() const;
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    // The frame's thickness on each side, for the current skin (or the
    // default frame); none while the frame is not taken over or rolled up.
    QMargins FrameMargins() const;
    // What the point (window coordinates) of the frame is, as a TbsHitCode.
    int HitTest(const QPoint& point);
    bool PointInFrameShape(const QPoint& point) const { return m_shape.PointInFrameShape(point); }
    const TbsFrameGeometry& Geometry() const { return m_geometry; }

    // The frame objects in skin-definition order, and the one under the
    // mouse and the one holding the mouse (-1 for none).
    const std::vector<std::unique_ptr<TbsActiveSkinObject>>& Objects() const { return m_objects; }
    int HotObject() const { return m_hotObject; }
    int CaptureObject() const { return m_captureObject; }

    // The whole window as the frame paints it, the client area filled with
    // the client background: what a screenshot of the window shows before
    // its controls are drawn. Pixels outside the window shape are transparent.
    // With active given the frame is drawn in that look whatever the
    // window's real activity.
    QImage RenderWindow(std::optional<bool> active = std::nullopt);
    // Paints the client background into painter, whose origin is the client
    // area's top-left.
    // Paints the client background, composing only what lies in exposed.
    void PaintClientBackground(QPainter& painter, const QSize& clientSize, const QRect& exposed) const;

    // Runs a frame command as a caption button does.
    void RunCommand(int command);
    // Repaints one object on the window.
    void RedrawObject(const TbsActiveSkinObject& object);
    void StartMorphTimer();
    void StartAnimationTimer();
    bool MorphingPossible(bool morphing) const;
    const QImage* ActivePicture(int index) const;
    // The frame pictures enlarged for the screen's whole pixel ratio.
    ScaledPictureCache& ScaledPictures() const { return m_scaledPictures; }

    // Where the system menu is shown. The controller calls the hook with the
    // rectangle (screen coordinates) the menu should open below or at, for the
    // system-menu button, a right click on the caption and Alt+Space; without
    // a hook nothing opens. MenuClosed() must be called when the menu closes:
    // it releases the button that opened it and ends SkinMenuOpen.
    using SystemMenuHook = std::function<void(TbsSkinForm& form, const QRect& screenAnchor)>;
    void SetSystemMenuHook(SystemMenuHook hook) { m_systemMenuHook = std::move(hook); }
    void ShowSystemMenuAt(const QRect& screenAnchor);
    // Marks a menu of the frame as opening; call it before the engine shows it.
    void MenuOpening();
    void MenuClosed();
    // Alt+Space: the system menu below every enabled system-menu object, or
    // below the caption's left end when there is none.
    void ShowSystemMenuUnderObjects();
    // The drop-down of the frame button named idName (a plain button of the
    // skin): a press opens it below the button (above with popupUp) and the
    // button stays down until it closes. Kept across skin changes; null
    // removes it.
    void SetObjectPopupMenu(const QString& idName, TbsSkinPopupMenu* menu, bool popupUp = false);

    // Forces the controller's own move and size loop even where the window
    // system could move the window, so that tests behave the same everywhere.
    static void SetForceOwnMoveSizeLoop(bool value);
    static bool ForceOwnMoveSizeLoop();

    // The custom-object visibility hook: an object with the default command
    // is visible only when this leaves visible set.
    std::function<void(const QString& idName, bool& visible)> OnActivateCustomObject;
    // Paints a user object.
    std::function<void(const QString& idName, QPainter& painter, const QRect& objectRect)> OnPaintEvent;
    // Draws the caption text instead of the frame.
    std::function<void(QPainter& painter, const QRect& rect, bool active)> OnCaptionPaint;
    // Sees every key pressed in the window first; setting handled keeps the
    // key from the frame's own short cuts and from the focused control.
    std::function<void(QKeyEvent& key, bool& handled)> OnShortCut;

signals:
    void OnBeforeChangeSkinData();
    void OnChangeSkinData();
    void OnAfterChangeSkinData();
    void OnActivate();
    void OnDeActivate();
    void OnMinimize();
    void OnMaximize();
    void OnRestore();
    void OnChangeRollUpState();
    void OnSkinMenuOpen();
    void OnSkinMenuClose();
    void OnMinimizeToTray();
    void OnRestoreFromTray();
    void OnMouseEnterEvent(const QString& idName);
    void OnMouseLeaveEvent(const QString& idName);
    void OnMouseDownEvent(const QString& idName, int x, int y, const QRect& objectRect, int button);
    void OnMouseUpEvent(const QString& idName, int x, int y, const QRect& objectRect, int button);
    void OnMouseMoveEvent(const QString& idName, int x, int y, const QRect& objectRect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void Attach();
    // The skin's frame is drawn (a skin with a frame picture is loaded and
    // the frame is taken over); otherwise the default frame.
    bool SkinFrame() const;
    void ApplySkin();
    void EnforceSize();
    void NudgeWidth();
    void LayoutClientArea();
    // The window's menu engine, which keeps the menu settings; attaching
    // gives it the published defaults and links it to the frame.
    TbsSkinMenu& MenuEngine() const;
    void AttachMenuEngine();
    void AttachObjectPopupMenus();
    void CreateTrayPopupMenu();
    // The tray menu's captions from the skin's texts.
    void UpdateTrayMenuCaptions();

    // Message handlers.
    void WMSize();
    void WMMove();
    void WMActivate(bool active);
    void WMSetText();
    void WMShowWindow(bool shown);
    // Paints the frame; of the strips only what lies in exposed is copied.
    void WMNCPaint(QPainter& painter, const QRegion& exposed);
    void WMNCHitTestCursor(const QPoint& point);
    void WMNCMouseMove(const QPoint& point, const QPoint& globalPoint, Qt::MouseButtons buttons);
    void WMNCButtonDown(const QPoint& point, const QPoint& globalPoint, Qt::MouseButton button);
    void WMNCButtonUp(const QPoint& point, Qt::MouseButton button);
    void WMNCButtonDblClk(const QPoint& point, Qt::MouseButton button);
    void WMEnterSizeMove(const QPoint& cursor);
    void WMExitSizeMove();
    void WMMoving(QRect& proposed, const QPoint& cursor);
    void WMSizing(const QRect& proposed);
    // What the form does on each signal of its skin data.
    void SkinAboutToChange();
    void SkinChanged();
    void SkinChangeFinished();
    void SkinnableFormChanged();
    void ResourceStringsChanged();
    void WMWindowStateChange(const QWindowStateChangeEvent& event);
    void WMSysCommandKeyMenu();
    bool WMShortCut(QKeyEvent& key);
    void WMSkinFormQuery(TbsFormRequestEvent& request);
    void WMSkinFormPaintFrame(TbsFormRequestEvent& request);
    void WMSkinFormPaintFrameKeyed(TbsFormRequestEvent& request);
    void InstallKeyFilter();

    // Painting.
    void CalcResizeGeometry();
    void UpdateFrame(bool layout);
    void UpdateRegion(bool rebuild);
    // The frame's look for the skin in use, the state it answers from, and
    // the layout of the last LayoutObjects.
    TbsFrameLook Look() const;
    TbsFrameState FrameState() const;
    TbsFrameLayout CurrentLayout() const;

    // Frame objects.
    void CreateObjects();
    void CreateDefaultButtons();
    void LayoutObjects();
    void UpdateObjectVisibility();
    void TrackHover(const QPoint& point, bool canBeHot = true);
    void HoverTimerStep();
    void MorphTimerStep();
    void AnimationTimerStep();
    void UpdateCaptionActive(bool animate);
    void ResetObjectStates();
    void StopTimers();
    void ButtonDown(int button, const QPoint& point);
    void ButtonUp(int button, const QPoint& point);
    void CaptionDoubleClick();
    // Hands a move (caption) or size (border) to the window system once the
    // mouse has been dragged; false where it refuses.
    bool StartSystemMoveSize(int hitCode);
    // Runs the controller's own loop instead, from the mouse pressed at
    // pressPoint and now at cursor (global points).
    void StartOwnMoveSize(int hitCode, QPoint pressPoint, QPoint cursor);
    void ShowObjectHintFor(int index, bool show);

    // Window states: the controller keeps them; the form, seen as its host,
    // sets the size limits they call for and reports the changes.
    class WindowStateHost final : public TbsWindowStateHost {
    public:
        explicit WindowStateHost(TbsSkinForm& form)
            : m_form(form)
        {
        }
        bool FrameTakenOver() const override;
        TbsBorderIcons BorderIcons() const override;
        QSize MinimumSize() const override;
        void ApplySizeLimits() override;
        bool ApplyRequestedClientHeight() override;
        void LayoutClientArea() override;
        bool IsMinimizedFrame(const QWidget& window) const override;
        void Minimized() override;
        void Maximized() override;
        void Restored() override;
        void RollUpChanged() override;
        void MinimizedToTray() override;
        void RestoredFromTray() override;

    private:
        TbsSkinForm& m_form;
    };
    void ApplySizeLimits();
    void SnapToWorkArea(QRect& proposed, const QPoint& cursor);

    QWidget* const m_form;
    QWidget* m_clientArea { nullptr };
    // The form as its frame objects and system menu see it.
    std::unique_ptr<TbsSkinFormHost> m_host;
    std::unique_ptr<WindowStateHost> m_windowStateHost;
    std::unique_ptr<TbsWindowStateController> m_windowState;
    std::unique_ptr<TbsWindowTray> m_tray;
    std::unique_ptr<TbsFrameMoveSizeLoop> m_moveSizeLoop;
    QPointer<TbsSkinData> m_skinData;
    QList<QMetaObject::Connection> m_skinDataConnections;
    TbsSystemMenu* m_systemMenu { nullptr };
    SystemMenuHook m_systemMenuHook;

    TbsBorderIcons m_borderIcons { biSystemMenu | biMinimize | biMaximize | biRollUp };
    bool m_disableSystemMenu { false };
    bool m_alwaysResize { false };
    bool m_useFormCursorInNCArea { false };
    int m_clientWidth { 0 };
    int m_clientHeight { 0 };
    bool m_hideCaptionButtons { false };
    bool m_showIcon { false };
    QFont m_defCaptionFont;
    QFont m_defInActiveCaptionFont;
    QImage m_logoBitMap;
    mutable ScaledPictureCache m_scaledPictures;
    bool m_logoBitMapTransparent { false };
    int m_minWidth { 0 };
    int m_minHeight { 0 };
    int m_maxWidth { 0 };
    int m_maxHeight { 0 };
    bool m_magnetic { false };
    int m_magneticSize { 5 };
    QPointer<TbsSkinHint> m_skinHint;
    bool m_showObjectHint { false };
    bool m_useDefaultObjectHint { true };
    QPointer<TbsSkinPopupMenu> m_trayPopupMenu;
    struct ObjectPopupMenu {
        QString idName;
        QPointer<TbsSkinPopupMenu> menu;
        bool popupUp { false };
    };
    std::vector<ObjectPopupMenu> m_objectPopupMenus;
    QPointer<TbsSkinData> m_menusSkinData;
    bool m_skinMenuOpen { false };

    TFormBorderStyle m_formBorderStyle { TFormBorderStyle::bsSizeable };
    bool m_skinnableFrame { true };
    bool m_skinned { false };
    bool m_changingSkin { false };
    bool m_ncActive { false };
    bool m_inSizeMove { false };
    // Alt is down and no other key or button came since it went down.
    bool m_altAlone { false };
    std::optional<bool> m_forcedActive;
    QMargins m_appliedMargins;

    TbsFrameGeometry m_geometry;
    TbsFrameShape m_shape;
    // What the window is dragged by, from the last layout.
    std::vector<QRect> m_captionRects;
    std::vector<std::unique_ptr<TbsActiveSkinObject>> m_objects;
    int m_hotObject { -1 };
    int m_oldHotObject { -1 };
    int m_captureObject { -1 };

    // A press on the caption or a border that becomes a move or size once the
    // mouse has travelled the drag distance, so that a double click stays one.
    struct PendingDrag {
        int hitCode { 0 };
        QPoint point;
        QPoint globalPoint;
    } m_pendingDrag;
    QPoint m_lastHoverCursor;

    TbsMagneticEdges m_magneticEdges;

    QBasicTimer m_hoverTimer;
    QBasicTimer m_morphTimer;
    QBasicTimer m_animationTimer;
};
