#pragma once

#include <QPlainTextEdit>

// The memo's editor. Text goes to and comes from the clipboard and drops as
// plain text alone: the editor's own way builds a copy of the whole selection
// as a document (and its HTML when asked), and a document of everything
// pasted before inserting it, which for an article of many megabytes costs
// several times its size.
class TbsPlainTextEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
};
