#pragma once

#include <QList>
#include <QString>

// The reference of every key a skin definition can hold, taken from the
// definitions' own key lists, so that it cannot fall out of step with the
// code: the author's guide embeds the Markdown, and a test holds the two
// together.
struct KeyReferenceEntry {
    QString key;
    QString kind;
    QString fallback;  // what a missing key reads as
};

struct KeyReferenceSection {
    QString title;  // "[FORMINFO]", "control type button", ...
    QList<KeyReferenceEntry> keys;
};

QList<KeyReferenceSection> SkinKeyReference();
QString SkinKeyReferenceMarkdown();
