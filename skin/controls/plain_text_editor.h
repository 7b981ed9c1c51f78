#pragma once

#include <QPlainTextEdit>

class QTextCursor;

// The memo's editor.
//
// Text goes to and comes from the clipboard and drops as plain text alone:
// the editor's own way builds a copy of the whole selection as a document
// (and its HTML when asked), and a document of everything pasted before
// inserting it, which for an article of many megabytes costs several times
// its size.
//
// A paragraph longer than kLongestShownPiece characters is shown as several
// paragraphs, broken after a sentence where one is near: the text engine keeps
// the layout of a whole paragraph (some 35 bytes a character) while the caret
// is in it, which for an article without line breaks is many times the
// article. The breaks between such pieces are the editor's own: they are not
// part of the text it gives back, copies or drags, and Enter inside a piece
// starts a real paragraph.
class TbsPlainTextEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int kLongestShownPiece = 32 * 1024;

    using QPlainTextEdit::QPlainTextEdit;

    // The text with line feeds between paragraphs, as setPlainText takes it.
    QString PlainText() const;
    void SetPlainText(const QString& text);
    // The selection, with line feeds between paragraphs.
    QString SelectedPlainText() const;
    // Inserts text (line feeds between paragraphs) at cursor, in place of its
    // selection, as one step to undo.
    void InsertPlainText(QTextCursor& cursor, const QString& text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // text holds the document from position from on, one character for each
    // position; the breaks between the pieces of a long paragraph are taken
    // out of it.
    QString WithoutPieceBreaks(QString text, int from) const;

    // Whether a long paragraph was ever shown in pieces since the text was
    // last set: spares the walk over every paragraph otherwise.
    bool m_mayHavePieces = false;
};
