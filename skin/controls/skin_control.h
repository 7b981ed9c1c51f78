#pragma once

#include <QImage>
#include <QMetaObject>
#include <QString>
#include <QWidget>

class TbsSkinData;

// The skin binding every windowed skinned control shares: it names its
// definition by SkinDataName, looks it up again at every paint, builds its whole
// face in an off-screen image and copies it to the screen in one step.
//
// A derived control draws its face in CreateControlDefaultImage (no
// definition) and CreateControlSkinImage (with a definition); the image they
// receive already has the control's size and the engine's pixel format.
class TbsSkinControl : public QWidget {
    Q_OBJECT

public:
    // The pixel format of every face; one format keeps copies free of conversion.
    static constexpr QImage::Format kFaceFormat = QImage::Format_RGB32;

    explicit TbsSkinControl(QWidget* parent = nullptr);
    ~TbsSkinControl() override;

    TbsSkinData* SkinData() const { return m_skinData; }
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

    // True only while a paint event is being handled.
    bool IsPainting() const { return m_painting; }

    virtual void GetSkinData();
    virtual void ChangeSkinData();
    virtual void BeforeChangeSkinData();
    virtual void AfterChangeSkinData();
    virtual void ParentBackgroundChanged();

    // Builds the face the next paint would show, at the control's size.
    QImage RenderFace();

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    virtual void CreateControlDefaultImage(QImage& image);
    virtual void CreateControlSkinImage(QImage& image);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    int m_skinIndex { -1 };

private:
    void DropSkinData();

    TbsSkinData* m_skinData { nullptr };
    QMetaObject::Connection m_skinDataDestroyed;
    QString m_skinDataName;
    QString m_hintTitle;
    int m_hintImageIndex { 0 };
    bool m_painting { false };
};
