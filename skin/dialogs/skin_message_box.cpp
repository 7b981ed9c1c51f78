#include "skin/dialogs/skin_message_box.h"

#include "skin/controls/align_layout.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_panel.h"
#include "skin/data/control_definitions_labels.h"
#include "skin/data/skin_data.h"
#include "skin/draw/accelerator_text.h"
#include "skin/draw/system_colors.h"
#include "skin/frame/skin_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

namespace {

// Logical pixels of the box's layout.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kGap = 8;
constexpr int kMaxTextWidth = 420;
constexpr int kMinButtonWidth = 75;
constexpr int kButtonPadding = 24;
constexpr int kButtonHeightWithoutSkin = 25;

QStyle::StandardPixmap PixmapOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question:
        return QStyle::SP_MessageBoxQuestion;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

QString TbsSkinMessageBox::ButtonTextName(QMessageBox::StandardButton which)
{
    switch (which) {
    case QMessageBox::Ok: return QStringLiteral("MSG_BTN_OK");
    case QMessageBox::Cancel: return QStringLiteral("MSG_BTN_CANCEL");
    case QMessageBox::Yes: return QStringLiteral("MSG_BTN_YES");
    case QMessageBox::No: return QStringLiteral("MSG_BTN_NO");
    case QMessageBox::Abort: return QStringLiteral("MSG_BTN_ABORT");
    case QMessageBox::Retry: return QStringLiteral("MSG_BTN_RETRY");
    case QMessageBox::Ignore: return QStringLiteral("MSG_BTN_IGNORE");
    case QMessageBox::YesToAll: return QStringLiteral("MSG_BTN_YESTOALL");
    case QMessageBox::NoToAll: return QStringLiteral("MSG_BTN_NOTOALL");
    case QMessageBox::Help: return QStringLiteral("MSG_BTN_HELP");
    case QMessageBox::Open: return QStringLiteral("MSG_BTN_OPEN");
    case QMessageBox::Save: return QStringLiteral("MSG_BTN_SAVE");
    case QMessageBox::Close: return QStringLiteral("MSG_BTN_CLOSE");
    default: return {};
    }
}

QString TbsSkinMessageBox::CaptionTextName(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning: return QStringLiteral("MSG_CAP_WARNING");
    case QMessageBox::Critical: return QStringLiteral("MSG_CAP_ERROR");
    case QMessageBox::Question: return QStringLiteral("MSG_CAP_CONFIRM");
    default: return QStringLiteral("MSG_CAP_INFORMATION");
    }
}

TbsSkinMessageBox::TbsSkinMessageBox(TbsSkinData* skinData, QMessageBox::Icon icon, const QString& caption,
    const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton, QWidget* parent)
    : QDialog(parent)
    , m_skinForm(new TbsSkinForm(this))
    , m_face(new TbsSkinPanel(m_skinForm->ClientArea()))
    , m_icon(new QLabel(m_face))
    , m_text(new QLabel(m_face))
{
    const QString kindText = SkinResStr(skinData, CaptionTextName(icon));
    setWindowTitle(caption.isEmpty() ? kindText : caption);
    setAccessibleName(windowTitle());
    setAccessibleDescription(text);
    setModal(true);

    m_skinForm->SetBorderIcons(TbsBorderIcons());
    m_skinForm->SetFormBorderStyle(TFormBorderStyle::bsDialog);
    m_skinForm->SetPositionInMonitor(TbsPositionInMonitor::bspDefault);
    m_skinForm->SetSkinData(skinData);
    m_face->SetSkinDataName(QStringLiteral("panel"));
    m_face->SetBorderStyle(bvNone);
    m_face->SetCaption(QString());
    m_face->SetSkinData(skinData);
    (new TAlignLayout(m_skinForm->ClientArea()))->AddControl(m_face, TAlign::alClient);

    m_icon->setPixmap(style()->standardIcon(PixmapOf(icon)).pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    m_icon->setAccessibleName(kindText);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setText(text);
    if (const auto* label = skinData ? skinData->FindControl<TbsDataSkinStdLabelControl>(QStringLiteral("stdlabel")) : nullptr) {
        QPalette palette = m_text->palette();
        palette.setColor(QPalette::WindowText, SkinColorToQColor(label->fontColor));
        m_text->setPalette(palette);
    }

    AddButtons(skinData, buttons);
    if (Button(defaultButton))
        m_default = defaultButton;
    else if (!m_answers.empty())
        m_default = m_answers.front().which;
    for (QMessageBox::StandardButton escape : { QMessageBox::Cancel, QMessageBox::No, QMessageBox::Close }) {
        if (Button(escape)) {
            m_escape = escape;
            break;
        }
    }
    if (m_escape == QMessageBox::NoButton && m_answers.size() == 1)
        m_escape = m_answers.front().which;
    LayOut();
}

void TbsSkinMessageBox::AddButtons(TbsSkinData* skinData, QMessageBox::StandardButtons buttons)
{
    // In the order of the answers' values: OK, Yes, No, Abort, Retry,
    // Ignore, Close, Cancel, Help, as message boxes put them.
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        const auto which = static_cast<QMessageBox::StandardButton>(bit);
        if (!(buttons & which) || ButtonTextName(which).isEmpty())
            continue;
        auto* button = new TbsSkinButton(m_face);
        const QString caption = SkinResStr(skinData, ButtonTextName(which));
        button->SetCaption(caption);
        button->SetSkinDataName(QStringLiteral("button"));
        button->SetUseSkinSize(true);
        button->SetUseSkinFontColor(true);
        button->SetCanFocused(true);
        button->SetSkinData(skinData);
        connect(button, &TbsSkinButton::OnClick, this, [this, which] { AnswerWith(which); });
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        if (!mnemonic.isEmpty()) {
            auto* shortcut = new QShortcut(mnemonic, this);
            connect(shortcut, &QShortcut::activated, this, [this, which] { AnswerWith(which); });
        }
        m_answers.push_back({ which, button });
    }
}

void TbsSkinMessageBox::LayOut()
{
    const int textLeft = kMargin + kIconSize + kMargin;
    const int textWidth = std::min(m_text->sizeHint().width(), kMaxTextWidth);
    const int textHeight = m_text->heightForWidth(textWidth) > 0 ? m_text->heightForWidth(textWidth) : m_text->sizeHint().height();
    m_icon->setGeometry(kMargin, kMargin, kIconSize, kIconSize);
    m_text->setGeometry(textLeft, kMargin, textWidth, textHeight);

    int buttonsWidth = 0;
    int buttonHeight = kButtonHeightWithoutSkin;
    for (const auto& answer : m_answers) {
        const QString shown = WithoutAccelerator(answer.button->Caption());
        const int width = std::max(kMinButtonWidth, answer.button->fontMetrics().horizontalAdvance(shown) + kButtonPadding);
        answer.button->setGeometry(0, 0, width, kButtonHeightWithoutSkin);
        buttonsWidth += answer.button->width() + (buttonsWidth > 0 ? kGap : 0);
        buttonHeight = std::max(buttonHeight, answer.button->height());
    }
    const int width = std::max(textLeft + textWidth, kMargin + buttonsWidth) + kMargin;
    const int buttonsTop = kMargin + std::max(kIconSize, textHeight) + kMargin;
    // The buttons sit centred under the message.
    int x = (width - buttonsWidth) / 2;
    for (const auto& answer : m_answers) {
        answer.button->move(x, buttonsTop + (buttonHeight - answer.button->height()) / 2);
        x += answer.button->width() + kGap;
    }
    m_skinForm->SetFormClientSize(QSize(width, buttonsTop + buttonHeight + kMargin));
}

TbsSkinButton* TbsSkinMessageBox::Button(QMessageBox::StandardButton which) const
{
    for (const auto& answer : m_answers) {
        if (answer.which == which)
            return answer.button;
    }
    return nullptr;
}

QString TbsSkinMessageBox::Text() const
{
    return m_text->text();
}

void TbsSkinMessageBox::AnswerWith(QMessageBox::StandardButton which)
{
    m_clicked = which;
    done(static_cast<int>(which));
}

void TbsSkinMessageBox::reject()
{
    if (m_escape != QMessageBox::NoButton)
        AnswerWith(m_escape);
}

void TbsSkinMessageBox::FocusNeighbour(int step)
{
    if (m_answers.empty())
        return;
    const auto focused = std::find_if(m_answers.begin(), m_answers.end(), [](const auto& answer) { return answer.button->hasFocus(); });
    const int count = static_cast<int>(m_answers.size());
    const int index = focused == m_answers.end() ? 0 : (static_cast<int>(focused - m_answers.begin()) + step + count) % count;
    m_answers[static_cast<std::size_t>(index)].button->setFocus(Qt::TabFocusReason);
}

void TbsSkinMessageBox::keyPressEvent(QKeyEvent* event)
{
    // The focused button takes Enter and Space itself; what reaches the box
    // came from elsewhere in it.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_default != QMessageBox::NoButton)
            AnswerWith(m_default);
        return;
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        FocusNeighbour(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        FocusNeighbour(1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TbsSkinMessageBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect over = owner->frameGeometry();
        move(over.center() - QPoint(width() / 2, height() / 2));
    }
    if (TbsSkinButton* button = Button(m_default))
        button->setFocus(Qt::OtherFocusReason);
}
