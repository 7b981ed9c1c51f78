#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// A late-bound property assignment on a browser's automation object: read
// each name of reads in turn, starting from the automation object (whose
// "Document" is the top-level document), then set property on the last object
// read. Names are matched without regard to case, as automation matches them.
struct PropertyChain {
    QStringList reads;
    QString property;
    QVariant value; // a string or an integer
};

// A script that performs the chains in order on the top-level document and
// stops at the first step it cannot perform. Its result is the name of that
// step, or an empty string when every chain was performed. The body's legacy
// "scroll" property, unknown to current engines, is given its effect: "no"
// hides the document's scroll bars and stops it scrolling.
QString PropertyChainScript(const QList<PropertyChain>& chains);

// The error of a step that names a property the object does not have.
QString UnsupportedMethodMessage(const QString& name);
