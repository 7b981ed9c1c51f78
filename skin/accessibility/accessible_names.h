#pragma once

#include <QString>

class QWidget;
class TbsSkinStdLabel;

// A caption as it is read out: without the accelerator marks, and without
// the "(&X)" that names the accelerator key after a Chinese caption.
QString AccessibleCaption(const QString& caption);

// What a label reads as.
QString LabelTextOf(const TbsSkinStdLabel& label);

// The name a program set on control, else the caption of the label whose
// FocusControl it is, as a label names its buddy.
QString LabelledNameOf(const QWidget& control);

// A text control's name: its labelled name, else the caption of the page it
// fills.
QString TextControlNameOf(const QWidget& control);

// Names the editors inside the skinned edits and memos under root after
// their controls, where no name is set on them: the editors keep the text
// interfaces Qt gives them and need only the name.
void NameSkinnedEditors(QWidget& root);
