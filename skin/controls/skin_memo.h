#pragma once

#include "skin/controls/scroll_bar.h"
#include "skin/controls/edit_skin_definition.h"
#include "skin/controls/skin_editor_control.h"
#include "skin/controls/wheel_lines.h"
#include "skin/data/skin_values.h"

#include <QMetaObject>
#include <QPointer>
#include <QStringList>

class EditContextMenu;
class QPlainTextEdit;
class TbsPlainTextEditor;
class QScrollBar;
class ScrollStateProbe;
class TbsDataSkinMemoControl;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TBorderStyle { bsNone, bsSingle };

// A multi-line edit: a QPlainTextEdit does the typing, caret, selection, undo,
// clipboard and scrolling, while this control draws the background behind the
// text. The editor's own scroll bars stay hidden; its scroll state is mirrored
// into separate skinned scroll bars (VScrollBar, HScrollBar), and moving those
// bars scrolls the editor.
//
// With a definition the background is the client piece of the skin (of its
// active rectangle while the mouse is inside or the memo has the focus), or
// the definition's colour when BitMapBG is off; a single border adds the
// skin's frame around it.
class TbsSkinMemo : public TbsSkinEditorControl {
    Q_OBJECT

public:
    explicit TbsSkinMemo(QWidget* parent = nullptr);
    ~TbsSkinMemo() override;

    QPlainTextEdit* Editor() const;

    // Line breaks are "\n"; "\r\n" given to SetText counts as one break.
    QString Text() const;
    void SetText(const QString& text);
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    void Clear();
    void SelectAll();
    void CopyToClipboard();
    // Puts text in at a point of the memo as a paste there would: one step to
    // undo, the caret after it and in view, the focus in the memo.
    void InsertTextAt(const QPoint& at, const QString& text);
    QString SelText() const;

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle scrollBars) { m_scrollBars = scrollBars; }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle borderStyle);
    bool BitMapBG() const { return m_bitMapBG; }
    void SetBitMapBG(bool bitMapBG);
    bool UseSkinFontColor() const { return m_useSkinFontColor; }
    void SetUseSkinFontColor(bool use);
    // Text colour used when there is no skin.
    SkinColor DefaultFontColor() const { return m_defaultFontColor; }
    void SetDefaultFontColor(SkinColor color);

    TbsSkinScrollBar* VScrollBar() const { return m_vLink.bar; }
    void SetVScrollBar(TbsSkinScrollBar* bar);
    TbsSkinScrollBar* HScrollBar() const { return m_hLink.bar; }
    void SetHScrollBar(TbsSkinScrollBar* bar);

    // Copies the editor's scroll state into the linked bars: a bar whose
    // text does not overflow is emptied and disabled.
    void UpdateScrollBars();

    // Where the editor lays out its text.
    QRect TextRect() const;

    void ChangeSkinData() override;
    void DefaultFontChanged() override;
    // The memo keeps its size and its rectangle whatever the definition's
    // points and mask.
    void CalcSize(int& width, int& height) override;
    void SetControlRegion() override;

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A linked skinned bar and the connection that reports its moves.
    struct Link {
        QPointer<TbsSkinScrollBar> bar;
        QMetaObject::Connection onChange;
    };

    void LinkBar(Link& link, TbsSkinScrollBar* bar, QScrollBar* source);
    void MirrorInto(TbsSkinScrollBar* bar, const QScrollBar* source, bool vertical);
    void ApplyFont();
    void ApplyColors() override;
    void DrawSkinFrame(QImage& image, const TbsDataSkinMemoControl& definition, const QRect& faceRect);
    void PlaceEditor();

    TbsPlainTextEditor* m_editor;
    EditContextMenu* m_contextMenu;
    ScrollStateProbe* m_vSource;
    WheelLines m_wheel;
    ScrollStateProbe* m_hSource;
    Link m_vLink;
    Link m_hLink;
    TScrollStyle m_scrollBars { TScrollStyle::ssBoth };
    TBorderStyle m_borderStyle { TBorderStyle::bsSingle };
    SkinColor m_defaultFontColor;
    // Taken from the skin's "edit" definition at each skin change.
    SkinColor m_disabledFontColor { clGrayText };
    bool m_wordWrap { true };
    bool m_bitMapBG { true };
    bool m_useSkinFontColor { true };
    KeptDefinition<TbsDataSkinMemoControl> m_definition { *this };
    EditFacePieces m_facePieces;
};
