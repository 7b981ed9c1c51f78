#pragma once

#include "skin/frame/frame_object_host.h"
#include "skin/frame/system_menu.h"

class TbsSkinForm;

// How a skin form serves the parts it is made of: its frame objects and its
// system menu see the form only through these two views, so each of them
// can be built and tested with a host of its own.
class TbsSkinFormHost final : public TbsFrameObjectHost, public TbsSystemMenuHost {
public:
    explicit TbsSkinFormHost(TbsSkinForm& form);

    // The frame objects' view.
    bool Skinned() const override;
    bool IsActive() const override;
    const QImage& FramePicture() const override;
    const QImage* ActivePicture(int index) const override;
    const TbsFormInfo& FormInfo() const override;
    bool SkinEffectsEnabled() const override;
    bool MorphingPossible(bool morphing) const override;
    ScaledPictureCache& ScaledPictures() const override;
    bool ShowIcon() const override;
    QIcon WindowIcon() const override;
    QString WindowTitle() const override;
    QPoint MapToGlobal(const QPoint& windowPoint) const override;
    bool CommandStateInForce(TbsStdCommand command) const override;
    bool PaintCaptionText(QPainter& painter, const QRect& rect, bool active) const override;
    void PaintUserObject(const QString& idName, QPainter& painter, const QRect& objectRect) const override;
    void RedrawObject(const TbsActiveSkinObject& object) override;
    void StartMorphTimer() override;
    void StartAnimationTimer() override;
    void RunCommand(TbsStdCommand command) override;
    void ShowSystemMenuAt(const QRect& screenAnchor) override;
    void ObjectMouseEnter(const QString& idName) override;
    void ObjectMouseLeave(const QString& idName) override;
    void ObjectMouseDown(const QString& idName, int x, int y, const QRect& objectRect, int button) override;
    void ObjectMouseUp(const QString& idName, int x, int y, const QRect& objectRect, int button) override;
    void ObjectMouseMove(const QString& idName, int x, int y, const QRect& objectRect) override;

    // The system menu's view.
    TbsWindowState WindowState() const override;
    TbsBorderIcons BorderIcons() const override;
    bool RolledUp() const override;
    bool RolledUpWhileMaximized() const override;
    QWidget* Window() const override;
    TbsSkinData* MenuSkin() const override;
    const TbsSkinData* TextSkin() const override;
    void SetWindowState(TbsWindowState state) override;
    void SetRolledUp(bool rolledUp) override;
    void MenuClosed() override;

private:
    TbsSkinForm& m_form;
};
