#pragma once

#include "tools/preview/preview_source.h"

#include <QObject>
#include <QString>
#include <memory>

class PreviewErrorStrip;
class SkinGallery;
class SkinSourceWatch;
class TForm1;

// A skin shown the way the program shows it: the real main window in the
// skin, and the gallery of the skin's definitions beside it. A skin that
// comes from files is loaded again each time they are saved, through the
// window's own skin choice, so every form and control takes it as in the
// program; the window keeps its size, place, page and articles. A save that
// cannot be used leaves the last good skin on screen and names the fault in
// a strip across the window until a save can be used again.
//
// The window's own ways to change its skin (the system menu's skin rows and
// dropping a skin file) are taken off: they would replace the skin under
// review and remember it in the program's settings, which a preview never
// writes.
class SkinPreview : public QObject {
    Q_OBJECT

public:
    explicit SkinPreview(const PreviewSource& source, QObject* parent = nullptr);
    ~SkinPreview() override;

    TForm1& Window() const { return *m_window; }
    SkinGallery& Gallery() const { return *m_gallery; }
    // Why the last load failed; empty after a good one.
    const QString& Error() const { return m_error; }
    bool ErrorShown() const;

    void Show();
    // Loads the skin from its source again; tells whether it was taken.
    bool Reload();

signals:
    void Reloaded();
    void ReloadFailed(const QString& message);

protected:
    // Closing the window closes the gallery with it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PreviewSource m_source;
    std::unique_ptr<TForm1> m_window;
    std::unique_ptr<SkinGallery> m_gallery;
    PreviewErrorStrip* m_strip;
    SkinSourceWatch* m_watch { nullptr };
    QString m_error;
};
