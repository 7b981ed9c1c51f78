#pragma once

#include "app/browser/web_browser.h"
#include "app/text/delimiter_list.h"
#include "app/window/error_report.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class BackgroundShuffle;
class TbsCompressedStoredSkin;
class TbsSkinButton;
class TbsSkinCheckRadioBox;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinForm;
class TbsSkinGauge;
class TbsSkinHint;
class TbsSkinMemo;
class TbsSkinPageControl;
class TbsSkinPanel;
class TbsSkinScrollBar;
class TbsSkinSlider;
class TbsSkinStdLabel;
class TbsSkinTabSheet;
class TbsSkinXFormButton;

// The main window: a tool strip with the three commands and the shuffle
// options, a spacer, the advertisement pane, the two pages with the article
// before and after the shuffle, and a gauge strip at the bottom.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 745;
    static constexpr int kClientHeight = 528;

    static QString Caption();
    // The font of the keyword, the article and the page tabs where the skin
    // gives them none.
    static QFont TextFont();

    // adHost is the advertisement pane's HOST[:PORT]; without one the pane
    // stays empty and no browser is loaded.
    explicit TForm1(QWidget* parent = nullptr, const QString& adHost = QString());
    ~TForm1() override;

    // The components, named as the window's parts are known.
    TbsSkinPanel* const bsSkinPanel1;
    TbsSkinStdLabel* const Label1;
    TbsSkinStdLabel* const lbl1;
    TbsSkinStdLabel* const lbl2;
    TbsSkinXFormButton* const bsSkinXFormButton2;
    TbsSkinButton* const bsSkinButton1;
    TbsSkinXFormButton* const bsSkinXFormButton1;
    TbsSkinCheckRadioBox* const bschck1;
    TbsSkinCheckRadioBox* const bschck2;
    // "整句打乱": the shuffle keeps whole sentences with their end marks.
    TbsSkinCheckRadioBox* const bschck3;
    TbsSkinEdit* const edt1;
    TbsSkinSlider* const bsknsldr1;
    TbsSkinPageControl* const bsSkinPageControl1;
    TbsSkinTabSheet* const bsSkinTabSheet1;
    TbsSkinMemo* const Memo1;
    TbsSkinScrollBar* const bsSkinScrollBar2;
    TbsSkinTabSheet* const bsSkinTabSheet2;
    TbsSkinMemo* const Memo2;
    TbsSkinScrollBar* const bsSkinScrollBar4;
    TbsSkinPanel* const bsSkinPanel2;
    TbsSkinGauge* const bsSkinGauge1;
    // The advertisement pane.
    TWebBrowser* const WebBrowser1;
    // The skin: the form's controller, the skin data every control draws
    // from, and the compressed skin built into the program.
    TbsSkinForm* const bsSkinForm1;
    TbsSkinData* const bsSkinData1;
    TbsCompressedStoredSkin* const bsCompressedStoredSkin1;
    // Shows the window's hints in the skin's hint window.
    TbsSkinHint* const bsSkinHint1;

    // The delimiters of the last shuffled article, in the order they appeared;
    // created by FormCreate.
    DelimiterList* Delimiters() const { return m_delimiters.get(); }

    // The sentence splitter: fills the delimiter list with the delimiters the
    // pattern finds in text and returns the text, each of them replaced by the
    // sentence marker, as lines.
    QStringList ExprTest(const QString& pattern, const QString& text);

    // Event handlers.
    void FormCreate();
    void bsSkinXFormButton2Click();
    void bsSkinButton1Click();
    void bsSkinXFormButton1Click();
    void WebBrowser1DocumentComplete();

    // Runs an event handler: an exception that leaves it is reported (the
    // handler's work so far stays) and the program goes on.
    void RunHandler(void (TForm1::*handler)());
    void SetErrorReporter(ErrorReporter reporter) { m_errorReporter = std::move(reporter); }
    void ReportError(const QString& message);
    // Shows text in the window's error box as it stands.
    void ShowErrorBox(const QString& text);

    // The shuffle runs off the user-interface thread; until its result is in
    // place the commands are disabled and the cursor shows that work goes on.
    bool Shuffling() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildToolStrip();
    void BuildPages();
    void BuildStrips();
    void BindSkin();
    void LoadStoredSkin();
    // The skin can be changed from the system menu and by dropping a skin file.
    void OfferSkinChoice();
    void ConnectHandlers();
    void SetTabOrder();
    void AddShortcuts();
    // Puts the keyboard focus into the article memo of the page shown.
    void FocusArticle();
    void ShowShuffleResult();
    void SetShuffling(bool shuffling);
    void AbandonShuffle();

    const QString m_adHost;
    std::unique_ptr<DelimiterList> m_delimiters;
    BackgroundShuffle* const m_shuffle;
    ErrorReporter m_errorReporter;
    bool m_shown { false };
    bool m_reportingPageError { false };
};
