#pragma once

#include "skin/controls/face_buffer.h"
#include "skin/controls/kept_face.h"
#include "skin/data/loaded_skin.h"
#include "skin/draw/engine_bitmap.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

class TbsDataSkinControl;
class TbsSkinData;

// The skin binding every windowed skinned control shares: it names its
// definition by SkinDataName, looks it up when the skin, the skin data or the
// name changes (never per paint), hearing of skin changes straight from the
// skin data's signals, and keeps the skin it looked it up in, so what it took
// from it stays valid until the next lookup. It builds its whole face in an off-screen image
// it keeps between paints, and copies to the screen the parts a paint exposes.
// The kept face is reused while everything it was built from is the same:
// the size, the pixel ratio, the skin and definition, the control's own
// changes (each announced by FaceChanged) and the inputs it reports from Qt's
// state (enabled, focus, hover, pressed). A paint that only exposes the
// control again (a menu closing over it, a picture taken of the window)
// copies the face it has. Where opaque children cover most of the control,
// only the parts around them are kept (see KeptFace).
//
// A derived control draws its face in CreateControlDefaultImage (no
// definition) and CreateControlSkinImage (with a definition); the image they
// receive already has the control's size and the engine's pixel format.
class TbsSkinControl : public QWidget {
    Q_OBJECT

public:
    // Faces are built in the engine's one bitmap format.
    static constexpr QImage::Format kFaceFormat = kSkinBitmapFormat;

    explicit TbsSkinControl(QWidget* parent = nullptr);

    TbsSkinData* SkinData() const;
    void SetSkinData(TbsSkinData* skinData);

    const QString& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const QString& name);

    const QString& HintTitle() const { return m_hintTitle; }
    void SetHintTitle(const QString& title) { m_hintTitle = title; }
    int HintImageIndex() const { return m_hintImageIndex; }
    void SetHintImageIndex(int index) { m_hintImageIndex = index; }

    // Index of the definition in the skin's control list, -1 without one.
    int SkinIndex() const { return m_skinIndex; }
    bool HasSkinDefinition() const { return m_skinIndex != -1; }

    // Whether the control draws from a definition it kept at its last
    // lookup; it holds the skin that definition belongs to meanwhile.
    bool IsDefinitionCurrent() const { return m_skinIndex != -1 && m_skin; }
    // The skin of the last lookup; null before the first, while a skin
    // change is under way, and once the skin data is gone.
    const TbsSharedSkin& KeptSkin() const { return m_skin; }

    // Morphing and animation run only while the skin data allows effects.
    bool SkinEffectsEnabled() const;
    // Whether a face morphs: its definition asks for it and effects run.
    template <typename Definition> bool MorphEnabledBy(const Definition* definition) const
    {
        return definition && definition->morphing && SkinEffectsEnabled();
    }

    // True only while a paint event is being handled.
    bool IsPainting() const { return m_painting; }

    // The face shows something else now: the next paint builds it again,
    // and the whole control, or only part of it, is repainted.
    void FaceChanged();
    void FaceChanged(const QRect& part);

    virtual void GetSkinData();
    virtual void ChangeSkinData();
    virtual void BeforeChangeSkinData();
    virtual void AfterChangeSkinData();
    virtual void ParentBackgroundChanged();

    // Builds the face the next paint would show, at the control's size, in
    // an image of its own.
    QImage RenderFace();
    // The bytes of face pixels the control holds between paints.
    qsizetype KeptFaceBytes() const { return m_face.Bytes(); }

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    // The definition in use, or null.
    const TbsDataSkinControl* SkinDefinition() const;
    // Called at every lookup with the definition found (null for none): a
    // control keeps it in its own kind when it draws from it, and tells
    // whether it does; one of another kind counts as no definition.
    virtual bool TakeDefinition(const TbsDataSkinControl* definition);
    // A picture of the kept skin by index; null for -1 or past the list's end.
    QImage SkinPicture(int index) const;

    // Fills face, which has the control's size: the fallback face without a
    // definition, the skin face with one. This is the one place that chooses:
    // CreateControlSkinImage runs only while the kept definition is current.
    virtual void PaintFace(QImage& face);

    virtual void CreateControlDefaultImage(QImage& image);
    virtual void CreateControlSkinImage(QImage& image);

    // Qt's state the face reads; a control whose face answers the mouse
    // adds whether it is over it or holds it pressed.
    virtual FaceInputs CurrentFaceInputs() const;

    // Paints what lies under the control (the parent's face or background)
    // into image, for controls that let their parent show through. A face
    // drawn over it is built again when the control moves.
    void DrawParentBackground(QImage& image) const;
    // Tells assistive technology that the control's value or its range
    // changed; it reads value, minimum and maximum again.
    void ReportValueChange(int value);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    int m_skinIndex { -1 };

private:
    // Builds the face into face, reusing its memory when it already has the
    // control's size and ratio; false, and nothing built, for an empty control.
    bool BuildFace(QImage& face);
    // What a face built now would be built from.
    FaceKey CurrentFaceKey() const;
    // Where paints can reach: the control less its visible opaque children,
    // which Qt leaves out of the control's paints.
    QRegion ReachableRegion() const;

    // Lets go of the kept skin and its definition: the skin data is about to
    // replace it, or is gone.
    void DropSkin();

    // Cleared by Qt when the skin data component is destroyed.
    QPointer<TbsSkinData> m_skinData;
    QList<QMetaObject::Connection> m_skinDataConnections;
    TbsSharedSkin m_skin;
    QString m_skinDataName;
    QString m_hintTitle;
    int m_hintImageIndex { 0 };
    bool m_painting { false };
    // The face of the last paint and what it was built from.
    KeptFace m_face;
    FaceKey m_faceKey;
    quint64 m_faceRevision { 0 };
    bool m_faceShowsParent { false };
    // Set by DrawParentBackground while a face is being built.
    mutable bool m_drewParent { false };
};

// Tells every direct child of container that the background it shows through
// has been redrawn, so children that draw their parent's background repaint.
void SendBackgroundChanged(QWidget* container);

// The definition a control draws from, kept in its own kind at the last
// lookup so that paints neither search nor cast; reads null once the control
// has let go of the skin it came from.
template <typename T> class KeptDefinition {
public:
    explicit KeptDefinition(const TbsSkinControl& owner)
        : m_owner(owner)
    {
    }

    // Keeps definition when it is a T that usable accepts; returns what it
    // keeps.
    template <typename Usable> const T* Take(const TbsDataSkinControl* definition, Usable usable)
    {
        const auto* kind = dynamic_cast<const T*>(definition);
        m_kept = kind && usable(*kind) ? kind : nullptr;
        return m_kept;
    }
    const T* Take(const TbsDataSkinControl* definition)
    {
        return Take(definition, [](const T&) { return true; });
    }

    const T* get() const { return m_owner.IsDefinitionCurrent() ? m_kept : nullptr; }

private:
    const TbsSkinControl& m_owner;
    const T* m_kept { nullptr };
};
