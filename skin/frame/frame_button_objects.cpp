#include "skin/frame/frame_button_objects.h"

#include "skin/draw/outline.h"
#include "skin/draw/system_colors.h"
#include "skin/data/data_skin_object.h"
#include "skin/draw/glyphs.h"
#include "skin/frame/frame_object_host.h"
#include "skin/frame/frame_rect.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace {

constexpr QRgb kDefaultHotFrame = qRgb(0, 0, 128);
constexpr QRgb kDefaultHotFill = qRgb(182, 189, 210);
constexpr QRgb kDefaultDownFill = qRgb(133, 147, 181);

int SmallIconSize()
{
    const int size = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    return size > 0 ? size : 16;
}

} // namespace

TbsSkinButtonObject::TbsSkinButtonObject(TbsFrameObjectHost& host, const TbsDataSkinButton* definition)
    : TbsActiveSkinObject(host, definition)
{
    if (!definition)
        return;
    DownRect = FrameRect(definition->downRect);
    DisableSkinRect = FrameRect(definition->disableSkinRect);
}

void TbsSkinButtonObject::Draw(QPainter& painter, bool wholeFrame)
{
    if (!Host.Skinned())
        return;
    if (!Enabled && !DisableSkinRect.isEmpty()) {
        DrawFace(painter, ActivePicture(), DisableSkinRect);
        return;
    }
    if (m_down && MouseIn && !DownRect.isEmpty()) {
        DrawFace(painter, ActivePicture(), DownRect);
        return;
    }
    TbsActiveSkinObject::Draw(painter, wholeFrame);
}

bool TbsSkinButtonObject::EndMorphPending() const
{
    if (MenuShown && m_down)
        return false;
    return TbsActiveSkinObject::EndMorphPending();
}

void TbsSkinButtonObject::SetDown(bool down)
{
    m_down = down;
    if (MorphingPossible() && Active)
        MorphKf = 1;
    Repaint();
    if (MorphingPossible() && !m_down)
        Redraw();
}

void TbsSkinButtonObject::MouseDown(int button, int x, int y)
{
    if (!Enabled)
        return;
    if (button == 0 && !m_down) {
        SetDown(true);
        if (PopupMenu && PopupMenu->Items().Count() > 0) {
            MenuShown = true;
            const QRect& rect = ObjectRect;
            PopupMenu->PopupAtRect(QRect(Host.MapToGlobal(rect.topLeft()), rect.size()), PopupUp);
        }
    }
    TbsActiveSkinObject::MouseDown(button, x, y);
}

void TbsSkinButtonObject::MouseUp(int button, int x, int y)
{
    if (!Enabled)
        return;
    if (button == 0 && !MenuShown && m_down)
        SetDown(false);
    TbsActiveSkinObject::MouseUp(button, x, y);
}

void TbsSkinButtonObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    if (!DownRect.isEmpty() && m_down) {
        if (MorphingPossible())
            MorphKf = 1;
        Repaint();
    } else if (!ActiveSkinRect.isEmpty()) {
        Redraw();
    }
    Host.ObjectMouseEnter(IDName);
}

void TbsSkinButtonObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    if (!(MenuShown && m_down)) {
        Repaint();
        Redraw();
    }
    Host.ObjectMouseLeave(IDName);
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsFrameObjectHost& host, const TbsDataSkinStdButton* definition)
    : TbsSkinButtonObject(host, definition)
    , FromDefinition(true)
{
    Command = definition->command;
    RestoreRect = FrameRect(definition->restoreRect);
    RestoreActiveRect = FrameRect(definition->restoreActiveRect);
    RestoreDownRect = FrameRect(definition->restoreDownRect);
    RestoreInActiveRect = FrameRect(definition->restoreInactiveRect);
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsFrameObjectHost& host, const QString& idName, TbsStdCommand command)
    : TbsSkinButtonObject(host, nullptr)
    , FromDefinition(false)
{
    IDName = idName;
    Command = command;
    SkinRect = QRect(0, 0, 1, 1);
    SkinRectInAPicture = true;
    ObjectRect = SkinRect;
}

QSize TbsSkinStdButtonObject::RowSize() const
{
    if (Command == cmSysMenu && Host.ShowIcon() && SkinRectInAPicture)
        return QSize(SmallIconSize(), SmallIconSize());
    return TbsSkinButtonObject::RowSize();
}

bool TbsSkinStdButtonObject::CommandStateInForce() const
{
    return Host.CommandStateInForce(Command);
}

bool TbsSkinStdButtonObject::ShowsIcon() const
{
    return Command == cmSysMenu && Host.ShowIcon() && SkinRectInAPicture;
}

bool TbsSkinStdButtonObject::EndMorphPending() const
{
    if (ShowsIcon())
        return false;
    return TbsSkinButtonObject::EndMorphPending();
}

void TbsSkinStdButtonObject::Draw(QPainter& painter, bool wholeFrame)
{
    if (!FromDefinition) {
        DrawDefaultFace(painter);
        return;
    }
    if (!Host.Skinned())
        return;
    if (ShowsIcon()) {
        const int size = SmallIconSize();
        const QIcon icon = Host.WindowIcon();
        if (!icon.isNull())
            painter.drawPixmap(ObjectRect.topLeft(), icon.pixmap(size, size));
        MorphKf = 0;
        return;
    }
    if (CommandStateInForce() && Enabled && !RestoreRect.isEmpty()) {
        DrawRestoreFace(painter);
        return;
    }
    TbsSkinButtonObject::Draw(painter, wholeFrame);
}

void TbsSkinStdButtonObject::DrawRestoreFace(QPainter& painter) const
{
    if (!Host.IsActive() && !RestoreInActiveRect.isEmpty()) {
        DrawFace(painter, ActivePicture(), RestoreInActiveRect);
    } else if (m_down && MouseIn && !RestoreDownRect.isEmpty()) {
        DrawFace(painter, ActivePicture(), RestoreDownRect);
    } else if (MorphingPossible() && EndMorphPending() && !RestoreActiveRect.isEmpty()) {
        DrawMorph(painter, ActivePicture(), RestoreRect, RestoreActiveRect);
    } else if (Active && !RestoreActiveRect.isEmpty()) {
        DrawFace(painter, ActivePicture(), RestoreActiveRect);
    } else {
        DrawFace(painter, ActivePicture(), RestoreRect);
    }
}

void TbsSkinStdButtonObject::DrawDefaultFace(QPainter& painter) const
{
    const QRect& rect = ObjectRect;
    if (rect.isEmpty())
        return;
    const bool pressed = m_down && MouseIn;
    QColor fill = SkinColorToQColor(clBtnFace);
    if (MouseIn)
        fill = QColor::fromRgb(pressed ? kDefaultDownFill : kDefaultHotFill);
    painter.fillRect(rect, fill);
    if (MouseIn)
        DrawOutline(painter, rect, QColor::fromRgb(kDefaultHotFrame));
    if (ShowsIcon()) {
        const QIcon icon = Host.WindowIcon();
        if (!icon.isNull())
            painter.drawPixmap(rect.topLeft(), icon.pixmap(rect.size()));
        return;
    }
    CaptionGlyph glyph = CaptionGlyph::Close;
    switch (Command) {
    case cmClose:
        glyph = CaptionGlyph::Close;
        break;
    case cmMaximize:
        glyph = CommandStateInForce() ? CaptionGlyph::Restore : CaptionGlyph::Maximize;
        break;
    case cmMinimize:
        glyph = CommandStateInForce() ? CaptionGlyph::Restore : CaptionGlyph::Minimize;
        break;
    case cmSysMenu:
        glyph = CaptionGlyph::FilledSquare;
        break;
    case cmRollUp:
        glyph = CommandStateInForce() ? CaptionGlyph::DownTriangle : CaptionGlyph::UpTriangle;
        break;
    default:
        glyph = CaptionGlyph::FlatRectangle;
        break;
    }
    const QPoint offset = pressed ? QPoint(1, 1) : QPoint();
    const QPoint glyphAt = rect.topLeft() + QPoint(rect.width() / 2 - 5, rect.height() / 2 - 4) + offset;
    DrawCaptionGlyph(painter, glyph, glyphAt, SkinColorToQColor(Enabled ? clBtnText : clBtnShadow));
}

void TbsSkinStdButtonObject::MouseDown(int button, int, int)
{
    if (!Enabled || button != 0 || m_down)
        return;
    SetDown(true);
    if (Command == cmSysMenu)
        OpenSystemMenu();
}

void TbsSkinStdButtonObject::OpenSystemMenu()
{
    MenuShown = true;
    const QRect& rect = ObjectRect;
    Host.ShowSystemMenuAt(QRect(Host.MapToGlobal(rect.topLeft()), rect.size()));
}

void TbsSkinStdButtonObject::Click()
{
    if (!Enabled)
        return;
    if (Command != cmSysMenu) {
        Host.RunCommand(Command);
        return;
    }
    // The button stays down while its menu shows, as after a press.
    if (!m_down)
        SetDown(true);
    OpenSystemMenu();
}

void TbsSkinStdButtonObject::MouseUp(int button, int x, int y)
{
    const bool runs = Active && button == 0 && m_down && Enabled;
    if (Command == cmClose) {
        TbsSkinButtonObject::MouseUp(button, x, y);
        if (runs)
            Host.RunCommand(Command);
        return;
    }
    if (runs && Command != cmSysMenu)
        Host.RunCommand(Command);
    TbsSkinButtonObject::MouseUp(button, x, y);
}

void TbsSkinStdButtonObject::DblClick()
{
    if (Command == cmSysMenu)
        Host.RunCommand(cmClose);
}
