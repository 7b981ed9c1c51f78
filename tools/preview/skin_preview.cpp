#include "tools/preview/skin_preview.h"

#include "app/window/form1.h"
#include "app/window/skin_choice.h"
#include "app/window/window_file_drop.h"
#include "skin/frame/skin_form.h"
#include "tools/preview/preview_error_strip.h"
#include "tools/preview/skin_gallery.h"
#include "tools/preview/skin_source_watch.h"

#include <QEvent>
#include <exception>

namespace {

void TakeAwaySkinChoice(TForm1& window)
{
    window.bsSkinForm1->SetSystemMenu(nullptr);
    delete window.findChild<WindowFileDrop*>();
}

} // namespace

SkinPreview::SkinPreview(const PreviewSource& source, QObject* parent)
    : QObject(parent)
    , m_source(source)
    , m_window(std::make_unique<TForm1>())
    , m_strip(new PreviewErrorStrip(*m_window->bsSkinForm1->ClientArea()))
{
    TakeAwaySkinChoice(*m_window);
    Reload();
    m_gallery = std::make_unique<SkinGallery>(*m_window->bsSkinData1);
    m_window->installEventFilter(this);
    if (!m_source.folder.isEmpty()) {
        m_watch = new SkinSourceWatch(m_source.folder, m_source.watchedFile, this);
        connect(m_watch, &SkinSourceWatch::Changed, this, &SkinPreview::Reload);
    }
}

SkinPreview::~SkinPreview() = default;

bool SkinPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window.get() && event->type() == QEvent::Close)
        m_gallery->close();
    return QObject::eventFilter(watched, event);
}

bool SkinPreview::ErrorShown() const
{
    return m_strip->isVisible();
}

void SkinPreview::Show()
{
    m_window->show();
    // The gallery opens beside the window where the screen leaves room.
    m_gallery->move(m_window->frameGeometry().topRight() + QPoint(16, 0));
    m_gallery->show();
    m_window->activateWindow();
}

bool SkinPreview::Reload()
{
    try {
        LoadSkinChoice(*m_window, m_source.choice);
    } catch (const std::exception& error) {
        m_error = QString::fromUtf8(error.what());
        m_strip->ShowError(m_error);
        emit ReloadFailed(m_error);
        return false;
    }
    m_error.clear();
    m_strip->hide();
    if (m_gallery)
        m_gallery->Rebuild();
    emit Reloaded();
    return true;
}
