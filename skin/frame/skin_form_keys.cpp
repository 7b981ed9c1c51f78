// The keys the controller answers for the whole window, whichever control
// has the focus: the form's short cuts (Alt+Space opens the system menu) and
// the keys that would open the window system's keyboard menu (Alt alone,
// F10), which the frame takes instead.
#include "skin/frame/skin_form.h"

#include "skin/menus/skin_menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Hands the key presses and releases aimed at the form's widgets to the
// controller, before the focused control sees them.
class FormKeyFilter : public QObject {
public:
    FormKeyFilter(TbsSkinForm& skinForm, std::function<bool(QEvent&)> handler)
        : QObject(&skinForm)
        , m_form(skinForm.Form())
        , m_handler(std::move(handler))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::MouseButtonPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != m_form)
            return false;
        return m_handler(*event);
    }

private:
    QWidget* m_form;
    std::function<bool(QEvent&)> m_handler;
};

bool OnlyAltHeld(const QKeyEvent& key)
{
    return (key.modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
}

} // namespace

void TbsSkinForm::InstallKeyFilter()
{
    new FormKeyFilter(*this, [this](QEvent& event) {
        if (event.type() == QEvent::MouseButtonPress) {
            m_altAlone = false;
            return false;
        }
        auto& key = static_cast<QKeyEvent&>(event);
        if (event.type() == QEvent::KeyRelease) {
            if (key.key() != Qt::Key_Alt || !m_altAlone || key.isAutoRepeat())
                return false;
            m_altAlone = false;
            WMSysCommandKeyMenu();
            return true;
        }
        if (key.isAutoRepeat() && key.key() == Qt::Key_Alt)
            return false;
        m_altAlone = key.key() == Qt::Key_Alt && OnlyAltHeld(key);
        if (m_altAlone)
            return false;
        if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier) {
            WMSysCommandKeyMenu();
            return true;
        }
        return WMShortCut(key);
    });
}

// SC_KEYMENU: the window system would open its keyboard menu. The window has
// no menu bar whose keyboard mode the key could start, so a menu the frame
// has open closes (its menu-closed handling runs with it), and the key goes
// no further.
void TbsSkinForm::WMSysCommandKeyMenu()
{
    TbsSkinMenu* engine = TbsSkinMenu::Of(m_form);
    if (engine->Visible())
        engine->CloseMenus();
}

// The form's short cuts: the user's handler first; Alt+Space shows the
// system menu below every enabled system-menu object and counts as handled
// even where there is none.
bool TbsSkinForm::WMShortCut(QKeyEvent& key)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(key, handled);
    if (handled)
        return true;
    if (key.key() == Qt::Key_Space && key.modifiers() == Qt::AltModifier) {
        ShowSystemMenuUnderObjects();
        return true;
    }
    return false;
}
