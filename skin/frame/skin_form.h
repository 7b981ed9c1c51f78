#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class TbsSkinData;
class TbsSkinControl;

// The skin form controller of a form. It watches the skin data messages that
// reach the form and passes a skin change on to every skinned control on the
// form, nested ones included, so that each looks its definition up again; and
// it paints the form's client background from the skin.
class TbsSkinForm : public QObject {
    Q_OBJECT

public:
    // The owner is the form the controller serves.
    explicit TbsSkinForm(QWidget* form);

    QWidget* Form() const { return m_form; }
    TbsSkinData* SkinData() const;
    void SetSkinData(TbsSkinData* skinData);

    // A skin is present and loaded.
    bool Skinned() const { return m_skinned; }
    // Between the announcement of a load and its completion.
    bool ChangingSkin() const { return m_changingSkin; }

signals:
    void OnBeforeChangeSkinData();
    void OnChangeSkinData();
    void OnAfterChangeSkinData();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WMSkinDataBeforeChange(TbsSkinData* sender);
    void WMSkinDataChange(TbsSkinData* sender);
    void WMSkinDataAfterChange(TbsSkinData* sender);
    void ApplySkin();
    void PaintClientBackground();

    // Calls operation on every skinned control of the form that uses skinData,
    // or on all of them when skinData is null.
    void ForEachControlOf(TbsSkinData* skinData, void (TbsSkinControl::*operation)());

    QWidget* const m_form;
    QPointer<TbsSkinData> m_skinData;
    bool m_skinned { false };
    bool m_changingSkin { false };
};
