#pragma once

#include <QStringList>
#include <QTextStream>

// render FILE NAME WIDTH HEIGHT OUT.png [--face normal|active|down|disabled|focused]:
// composes the control definition NAME at the size a skinned control of
// WIDTH x HEIGHT would take, from the chosen face (skinrect unless named),
// writes it as PNG and prints the size it produced.
void RunRenderCommand(const QStringList& arguments, QTextStream& out);
