#include "app/window/form1.h"

#include "app/browser/ad_host.h"
#include "app/text/article_shuffle.h"
#include "app/text/delimiter_scan.h"
#include "app/window/background_shuffle.h"
#include "app/window/command_shortcut.h"
#include "app/window/main_window_border_icons.h"
#include "app/window/dropped_file.h"
#include "app/window/window_file_drop.h"
#include "app/window/window_minimum_size.h"
#include "app/window/skin_switch.h"
#include "app/window/skin_system_menu.h"
#include "base/random_generator.h"
#include "skin/accessibility/accessible_names.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/page_control.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/skin_xform_button.h"
#include "skin/controls/std_label.h"
#include "skin/draw/system_colors.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/hints/skin_hint.h"
#include "skins/built_in_skins.h"

#include <QGuiApplication>
#include <exception>

namespace {

QFont PixelFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

void SetUpLabel(TbsSkinStdLabel* label, const QString& name, const QRect& placement, const QString& caption)
{
    label->setObjectName(name);
    label->setGeometry(placement);
    label->SetSkinDataName(main_window_skin::kLabel);
    label->SetUseSkinColor(true);
    label->SetDefaultFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    // Last, so that the caption is measured once in the font it is shown in.
    label->SetCaption(caption);
}

void SetUpCommandButton(TbsSkinButton* button, const QString& name, const QRect& placement, const QString& caption)
{
    button->setObjectName(name);
    button->setGeometry(placement);
    button->SetCaption(caption);
    button->SetSkinDataName(main_window_skin::kButton);
    button->SetUseSkinSize(true);
    button->SetUseSkinFontColor(true);
    button->SetCanFocused(false);
}

void SetUpOptionBox(TbsSkinCheckRadioBox* box, const QString& name, const QRect& placement, const QString& caption, bool checked)
{
    box->setObjectName(name);
    box->setGeometry(placement);
    box->SetCaption(caption);
    box->SetSkinDataName(main_window_skin::kCheckBox);
    box->SetRadio(false);
    box->SetFlat(true);
    box->SetCanFocused(true);
    box->SetTabStop(true);
    box->SetChecked(checked);
}

void SetUpMemo(TbsSkinMemo* memo, const QString& name, TbsSkinScrollBar* bar)
{
    memo->setObjectName(name);
    memo->setGeometry(0, 0, 724, 333);
    memo->SetSkinDataName(main_window_skin::kMemo);
    memo->SetBitMapBG(true);
    memo->SetUseSkinFontColor(true);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->SetBorderStyle(TBorderStyle::bsNone);
    memo->SetDefaultFont(TForm1::TextFont());
    memo->SetDefaultFontColor(clBlack);
    memo->SetVScrollBar(bar);
}

// The vertical bar beside a memo; it stays disabled until the memo's text
// overflows.
void SetUpMemoBar(TbsSkinScrollBar* bar, const QString& name)
{
    bar->setObjectName(name);
    bar->SetSkinDataName(main_window_skin::kMemoScrollBar);
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetDefaultHeight(0);
    bar->setGeometry(724, 0, 19, 333);
    bar->SetDefaultWidth(19);
    bar->setEnabled(false);
    bar->SetRange(0, 0, 0, 0);
    bar->SetSmallChange(1);
    bar->SetLargeChange(1);
    bar->SetBothMarkerWidth(19);
    bar->SetBothSkinDataName(main_window_skin::kMemoBothScrollBar);
    bar->SetBoth(false);
    bar->SetCanFocused(false);
}

void SetUpPanel(TbsSkinPanel* panel, const QString& name, const QRect& placement, TbsSkinBorderStyle borderStyle)
{
    panel->setObjectName(name);
    panel->setGeometry(placement);
    panel->SetCaption(name);
    panel->SetSkinDataName(main_window_skin::kPanel);
    panel->SetCaptionMode(false);
    panel->SetBorderStyle(borderStyle);
    panel->SetDefaultCaptionHeight(22);
    panel->SetRealHeight(-1);
}

} // namespace

QString TForm1::Caption()
{
    return QStringLiteral("Lumeno文章顺序随机打乱工具 V1.0");
}

QFont TForm1::TextFont()
{
    return PixelFont(QStringLiteral("Arial"), 14);
}

TForm1::TForm1(QWidget* parent, const QString& adHost)
    : QWidget(parent)
    , bsSkinPanel1(new TbsSkinPanel(this))
    , Label1(new TbsSkinStdLabel(bsSkinPanel1))
    , lbl1(new TbsSkinStdLabel(bsSkinPanel1))
    , lbl2(new TbsSkinStdLabel(bsSkinPanel1))
    , bsSkinXFormButton2(new TbsSkinXFormButton(bsSkinPanel1))
    , bsSkinButton1(new TbsSkinButton(bsSkinPanel1))
    , bsSkinXFormButton1(new TbsSkinXFormButton(bsSkinPanel1))
    , bschck1(new TbsSkinCheckRadioBox(bsSkinPanel1))
    , bschck2(new TbsSkinCheckRadioBox(bsSkinPanel1))
    , bschck3(new TbsSkinCheckRadioBox(bsSkinPanel1))
    , edt1(new TbsSkinEdit(bsSkinPanel1))
    , bsknsldr1(new TbsSkinSlider(bsSkinPanel1))
    , bsSkinPageControl1(new TbsSkinPageControl(this))
    , bsSkinTabSheet1(new TbsSkinTabSheet(bsSkinPageControl1))
    , Memo1(new TbsSkinMemo(bsSkinTabSheet1))
    , bsSkinScrollBar2(new TbsSkinScrollBar(bsSkinTabSheet1))
    , bsSkinTabSheet2(new TbsSkinTabSheet(bsSkinPageControl1))
    , Memo2(new TbsSkinMemo(bsSkinTabSheet2))
    , bsSkinScrollBar4(new TbsSkinScrollBar(bsSkinTabSheet2))
    , bsSkinPanel2(new TbsSkinPanel(this))
    , bsSkinGauge1(new TbsSkinGauge(this))
    , WebBrowser1(new TWebBrowser(this))
    , bsSkinForm1(new TbsSkinForm(this))
    , bsSkinData1(new TbsSkinData(this))
    , bsCompressedStoredSkin1(new TbsCompressedStoredSkin(this))
    , bsSkinHint1(new TbsSkinHint(this))
    , m_adHost(adHost)
    , m_shuffle(new BackgroundShuffle(this))
    , m_errorReporter(MessageBoxReporter(this, bsSkinData1))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Caption());
    setFont(PixelFont(QStringLiteral("宋体"), 12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, SkinColorToQColor(clBtnFace));
    palette.setColor(QPalette::WindowText, SkinColorToQColor(clWindowText));
    setPalette(palette);
    setAutoFillBackground(true);
    bsSkinForm1->SetFormClientSize(QSize(kClientWidth, kClientHeight));

    // The skin comes first, so that each control is set up with the skin it
    // shows: a label measured in a font the skin then replaces would load
    // that font, and its fallbacks, for nothing.
    BindSkin();
    LoadStoredSkin();
    BuildToolStrip();
    BuildPages();
    BuildStrips();

    auto* layout = new TAlignLayout(bsSkinForm1->ClientArea());
    layout->AddControl(bsSkinPanel1, TAlign::alTop);
    layout->AddControl(bsSkinPanel2, TAlign::alTop);
    layout->AddControl(WebBrowser1, TAlign::alTop);
    layout->AddControl(bsSkinGauge1, TAlign::alBottom);
    layout->AddControl(bsSkinPageControl1, TAlign::alClient);

    OfferSkinChoice();
    KeepToolStripWhole(*this);
    ConnectHandlers();
    SetTabOrder();
    AddShortcuts();
    NameSkinnedEditors(*this);
    FormCreate();
}

TForm1::~TForm1()
{
    AbandonShuffle();
}

void TForm1::BuildToolStrip()
{
    SetUpPanel(bsSkinPanel1, QStringLiteral("bsSkinPanel1"), QRect(0, 0, 745, 73), bvFrame);

    SetUpLabel(Label1, QStringLiteral("Label1"), QRect(496, 22, 3, 13), QString());
    SetUpLabel(lbl1, QStringLiteral("lbl1"), QRect(47, 44, 70, 13), QStringLiteral("加入关键词"));
    SetUpLabel(lbl2, QStringLiteral("lbl2"), QRect(333, 45, 28, 13), QStringLiteral("词频"));
    // The labels name the keyword edit and the slider for assistive technology.
    lbl1->SetFocusControl(edt1);
    lbl2->SetFocusControl(bsknsldr1);

    SetUpCommandButton(bsSkinXFormButton2, QStringLiteral("bsSkinXFormButton2"), QRect(48, 8, 121, 25), QStringLiteral("打乱文章顺序"));
    bsSkinXFormButton2->SetDefActiveFontColor(clBlack);
    bsSkinXFormButton2->SetDefDownFontColor(clBlack);
    SetUpCommandButton(bsSkinButton1, QStringLiteral("bsSkinButton1"), QRect(320, 8, 121, 25), QStringLiteral("清空"));
    SetUpCommandButton(bsSkinXFormButton1, QStringLiteral("bsSkinXFormButton1"), QRect(184, 8, 121, 25), QStringLiteral("复制新文章"));
    bsSkinXFormButton1->SetDefActiveFontColor(clBlack);
    bsSkinXFormButton1->SetDefDownFontColor(clBlack);

    SetUpOptionBox(bschck1, QStringLiteral("bschck1"), QRect(453, 10, 76, 25), QStringLiteral("清除空格"), true);
    SetUpOptionBox(bschck2, QStringLiteral("bschck2"), QRect(536, 10, 73, 25), QStringLiteral("清除换行"), false);
    // In the free space right of the other two.
    SetUpOptionBox(bschck3, QStringLiteral("bschck3"), QRect(616, 10, 76, 25), QStringLiteral("整句打乱"), false);
    bschck3->setToolTip(QStringLiteral("句子带着自己的标点整句打乱，段落保持不变"));
    bschck3->setAccessibleDescription(bschck3->toolTip());

    edt1->setObjectName(QStringLiteral("edt1"));
    edt1->setGeometry(120, 42, 185, 18);
    edt1->SetSkinDataName(main_window_skin::kEdit);
    edt1->SetDefaultColor(clWindow);
    edt1->SetDefaultFont(TForm1::TextFont());
    edt1->SetDefaultFontColor(clBlack);
    edt1->SetButtonMode(false);

    bsknsldr1->setObjectName(QStringLiteral("bsknsldr1"));
    bsknsldr1->setGeometry(360, 38, 369, 27);
    bsknsldr1->SetSkinDataName(main_window_skin::kSlider);
    bsknsldr1->SetMinValue(ShuffleOptions::kMinFrequency);
    bsknsldr1->SetMaxValue(ShuffleOptions::kMaxFrequency);
    bsknsldr1->SetValue(5);
    bsknsldr1->SetUseSkinThumb(true);
    bsknsldr1->SetTransparent(false);
}

void TForm1::BuildPages()
{
    bsSkinPageControl1->setObjectName(QStringLiteral("bsSkinPageControl1"));
    bsSkinPageControl1->setGeometry(0, 153, 745, 355);
    bsSkinPageControl1->SetSkinDataName(main_window_skin::kPages);
    bsSkinPageControl1->SetDefaultItemHeight(20);
    bsSkinPageControl1->SetTabsBGTransparent(false);
    bsSkinPageControl1->SetShowCloseButtons(false);
    bsSkinPageControl1->SetFreeOnClose(false);
    bsSkinPageControl1->SetDefaultFont(TForm1::TextFont());
    bsSkinPageControl1->SetDefaultFontColor(clBtnText);

    bsSkinTabSheet1->setObjectName(QStringLiteral("bsSkinTabSheet1"));
    bsSkinTabSheet1->SetCaption(QStringLiteral("原始文章内容"));
    bsSkinTabSheet2->setObjectName(QStringLiteral("bsSkinTabSheet2"));
    bsSkinTabSheet2->SetCaption(QStringLiteral("打乱后的文章"));

    SetUpMemoBar(bsSkinScrollBar2, QStringLiteral("bsSkinScrollBar2"));
    SetUpMemoBar(bsSkinScrollBar4, QStringLiteral("bsSkinScrollBar4"));
    SetUpMemo(Memo1, QStringLiteral("Memo1"), bsSkinScrollBar2);
    SetUpMemo(Memo2, QStringLiteral("Memo2"), bsSkinScrollBar4);

    for (auto [sheet, memo, bar] : { std::tuple { bsSkinTabSheet1, Memo1, bsSkinScrollBar2 }, std::tuple { bsSkinTabSheet2, Memo2, bsSkinScrollBar4 } }) {
        auto* layout = new TAlignLayout(sheet);
        layout->AddControl(bar, TAlign::alRight);
        layout->AddControl(memo, TAlign::alClient);
    }
    bsSkinPageControl1->SetActivePage(bsSkinTabSheet1);
}

void TForm1::BuildStrips()
{
    SetUpPanel(bsSkinPanel2, QStringLiteral("bsSkinPanel2"), QRect(0, 73, 745, 8), bvNone);

    bsSkinGauge1->setObjectName(QStringLiteral("bsSkinGauge1"));
    bsSkinGauge1->setGeometry(0, 508, 745, 20);
    bsSkinGauge1->SetSkinDataName(main_window_skin::kGauge);
    bsSkinGauge1->SetMinValue(0);
    bsSkinGauge1->SetMaxValue(100);
    bsSkinGauge1->SetValue(0);
    bsSkinGauge1->SetShowProgressText(false);
    bsSkinGauge1->SetShowPercent(false);
    bsSkinGauge1->SetVertical(false);
    bsSkinGauge1->SetUseSkinSize(true);
    bsSkinGauge1->SetProgressAnimationPause(3000);

    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(0, 81, 745, 72);
}

void TForm1::BindSkin()
{
    bsSkinForm1->setObjectName(QStringLiteral("bsSkinForm1"));
    bsSkinForm1->SetBorderIcons(MainWindowBorderIcons());
    bsSkinForm1->SetPositionInMonitor(TbsPositionInMonitor::bspScreenCenter);
    bsSkinForm1->SetUseSkinFontInMenu(true);
    bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
    bsCompressedStoredSkin1->setObjectName(QStringLiteral("bsCompressedStoredSkin1"));
    bsSkinHint1->setObjectName(QStringLiteral("bsSkinHint1"));
    bsSkinHint1->SetSkinData(bsSkinData1);
    bsSkinForm1->SetSkinHint(bsSkinHint1);
    bsknsldr1->SetSkinHint(bsSkinHint1);

    // Bound while the skin is still empty, the controls keep their plain faces
    // until the load that follows tells them to take the skin.
    for (TbsSkinControl* control : findChildren<TbsSkinControl*>())
        control->SetSkinData(bsSkinData1);
    bsSkinForm1->SetSkinData(bsSkinData1);
    bsSkinData1->SetSkinnableForm(true);
    bsSkinData1->SetEnableSkinEffects(true);
    bsSkinData1->SetSkinIndex(0);
}

void TForm1::LoadStoredSkin()
{
    bsCompressedStoredSkin1->SetFileName(QStringLiteral("skin.ini"));
    bsCompressedStoredSkin1->SetCompressedData(BuiltInSkinCompressedData(kDefaultBuiltInSkinName));
    // A skin that fails to load leaves the window with its plain looks; the
    // tool works the same.
    try {
        bsSkinData1->SetCompressedStoredSkin(bsCompressedStoredSkin1);
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    }
}

void TForm1::OfferSkinChoice()
{
    new SkinSystemMenu(*this);
    new WindowFileDrop(*this, [this](const QString& path, const QPoint& at) { OpenDroppedFile(*this, path, at); });
}

void TForm1::ConnectHandlers()
{
    connect(bsSkinXFormButton2, &TbsSkinButton::OnClick, this, [this] { RunHandler(&TForm1::bsSkinXFormButton2Click); });
    connect(bsSkinButton1, &TbsSkinButton::OnClick, this, [this] { RunHandler(&TForm1::bsSkinButton1Click); });
    connect(bsSkinXFormButton1, &TbsSkinButton::OnClick, this, [this] { RunHandler(&TForm1::bsSkinXFormButton1Click); });
    connect(m_shuffle, &BackgroundShuffle::Progress, bsSkinGauge1, &TbsSkinGauge::SetValue);
    connect(m_shuffle, &BackgroundShuffle::Finished, this, [this] { RunHandler(&TForm1::ShowShuffleResult); });
    connect(WebBrowser1, &TWebBrowser::OnDocumentComplete, this, [this] { RunHandler(&TForm1::WebBrowser1DocumentComplete); });
}

void TForm1::SetTabOrder()
{
    // The command buttons take no focus; the rest follow their tab order.
    QWidget::setTabOrder(bschck1, bschck2);
    QWidget::setTabOrder(bschck2, bschck3);
    QWidget::setTabOrder(bschck3, edt1);
    QWidget::setTabOrder(edt1, bsknsldr1);
    QWidget::setTabOrder(bsknsldr1, bsSkinPageControl1);
    QWidget::setTabOrder(bsSkinPageControl1, Memo1);
    QWidget::setTabOrder(Memo1, Memo2);
}

void TForm1::AddShortcuts()
{
    // The command buttons take no focus, so the keyboard reaches them only
    // through these; each button's hint names its keys. Clearing cannot be
    // undone, so it takes a chord no one presses by chance.
    AddCommandShortcut(*bsSkinXFormButton2, { QKeySequence(Qt::CTRL | Qt::Key_Enter), QKeySequence(Qt::CTRL | Qt::Key_Return) });
    AddCommandShortcut(*bsSkinXFormButton1, { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C) });
    AddCommandShortcut(*bsSkinButton1, { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete) });
}

void TForm1::FocusArticle()
{
    TbsSkinMemo* const memo = bsSkinPageControl1->ActivePage() == bsSkinTabSheet2 ? Memo2 : Memo1;
    memo->setFocus(Qt::OtherFocusReason);
}

void TForm1::FormCreate()
{
    m_delimiters = std::make_unique<DelimiterList>();
    if (!m_adHost.isEmpty())
        WebBrowser1->Navigate(AdvertisementAddress(m_adHost));
}

QStringList TForm1::ExprTest(const QString& pattern, const QString& text)
{
    QStringList delimiters;
    auto lines = MarkDelimiters(pattern, text, delimiters);
    m_delimiters->Clear();
    for (const QString& delimiter : delimiters)
        m_delimiters->Append(delimiter);
    return lines;
}

void TForm1::bsSkinXFormButton2Click()
{
    ShuffleOptions options;
    options.removeSpaces = bschck1->Checked();
    options.removeLineBreaks = bschck2->Checked();
    options.keyword = edt1->Text();
    options.frequency = bsknsldr1->Value();
    // Only a caller other than the disabled button can start a second one.
    AbandonShuffle();
    auto const mode = bschck3->Checked() ? ShuffleMode::WholeSentences : ShuffleMode::Pieces;
    m_shuffle->Start(Memo1->Text(), std::move(options), mode, RandomGenerator::ProcessWide());
    SetShuffling(true);
}

void TForm1::ShowShuffleResult()
{
    SetShuffling(false);
    auto outcome = m_shuffle->TakeOutcome();
    if (outcome.error) {
        ReportError(*outcome.error);
        return;
    }
    // The shared generator continues from the shuffle's last draw.
    RandomGenerator::ProcessWide().SetState(outcome.generator.State());
    *m_delimiters = std::move(outcome.delimiters);
    if (!outcome.result.isEmpty())
        Memo2->SetText(outcome.result);
    bsSkinPageControl1->SetActivePage(bsSkinTabSheet2);
}

bool TForm1::Shuffling() const
{
    return m_shuffle->Running();
}

void TForm1::SetShuffling(bool shuffling)
{
    for (TbsSkinButton* command : std::initializer_list<TbsSkinButton*> { bsSkinXFormButton2, bsSkinButton1, bsSkinXFormButton1 })
        command->setEnabled(!shuffling);
    if (shuffling)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TForm1::AbandonShuffle()
{
    if (!Shuffling())
        return;
    m_shuffle->Abandon();
    SetShuffling(false);
}

void TForm1::bsSkinButton1Click()
{
    // A shuffle still running would put back a result of the text cleared.
    AbandonShuffle();
    Memo1->Clear();
    Memo2->Clear();
    bsSkinPageControl1->SetActivePage(bsSkinTabSheet1);
    FocusArticle();
}

void TForm1::bsSkinXFormButton1Click()
{
    Memo2->SelectAll();
    Memo2->CopyToClipboard();
}

void TForm1::WebBrowser1DocumentComplete()
{
    // No scroll bars, no margin, no border: the page sits flush in the pane.
    const QList<PropertyChain> adjustments {
        { { QStringLiteral("Document"), QStringLiteral("body") }, QStringLiteral("Scroll"), QStringLiteral("no") },
        { { QStringLiteral("Document"), QStringLiteral("body"), QStringLiteral("style") }, QStringLiteral("margin"), QStringLiteral("0") },
        { { QStringLiteral("Document"), QStringLiteral("Body"), QStringLiteral("Style") }, QStringLiteral("BorderWidth"), 0 },
    };
    // The page answers later; a step it could not perform is reported like an
    // error that ended the handler, once the engine's callback has returned. A
    // page that keeps failing while the box is open does not stack further
    // boxes on it.
    WebBrowser1->SetProperties(adjustments, [this](const QString& stoppedAt) {
        if (stoppedAt.isEmpty())
            return;
        QMetaObject::invokeMethod(this, [this, stoppedAt] {
            if (m_reportingPageError)
                return;
            m_reportingPageError = true;
            ReportError(UnsupportedMethodMessage(stoppedAt));
            m_reportingPageError = false;
        }, Qt::QueuedConnection);
    });
}

void TForm1::RunHandler(void (TForm1::*handler)())
{
    try {
        (this->*handler)();
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unknown error"));
    }
}

void TForm1::ReportError(const QString& message)
{
    ShowErrorBox(ErrorBoxText(message));
}

void TForm1::ShowErrorBox(const QString& text)
{
    if (m_errorReporter)
        m_errorReporter(QGuiApplication::applicationDisplayName(), text);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The article is what a user comes to paste.
    if (!focusWidget())
        FocusArticle();
}
