#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class TbsDataSkinControl;
class TbsSkinData;

// One sample of a control definition: a real skinned control of the kind the
// program draws that definition with, put into one state, and the state's
// name.
struct GallerySample {
    QString state;
    QWidget* control;
};

// The samples of definition, one per state the control can show: normal,
// hover and pressed, disabled, checked and unchecked, values across the
// range, tabs. The controls are made without a parent, bound to skinData.
// Empty when no control of the program draws definitions of its kind.
QList<GallerySample> MakeGallerySamples(const TbsDataSkinControl& definition, TbsSkinData& skinData);

// Holds control in the state the mouse over it gives, and keeps the real
// mouse from changing it.
void HoldHovered(QWidget& control);
// Holds control pressed by the left button with the mouse over it.
void HoldPressed(QWidget& control);
