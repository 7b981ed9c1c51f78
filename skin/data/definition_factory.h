#pragma once

#include "skin/data/data_skin_control.h"
#include "skin/data/data_skin_object.h"

#include <QString>
#include <QStringList>
#include <memory>

// The classes that the type words of [SKINOBJECTS] and [SKINCONTROLS] entries
// stand for. The words compare exactly; an unknown or miscased word gives
// nullptr. The new definition holds its defaults until ReadFromIni.
std::unique_ptr<TbsDataSkinObject> CreateObjectDefinition(const QString& type, const QString& idName);
std::unique_ptr<TbsDataSkinControl> CreateControlDefinition(const QString& type, const QString& idName);
// The type words each list knows, in the order above.
QStringList ObjectDefinitionTypes();
QStringList ControlDefinitionTypes();

// One entry of a definition list: "name:type", split at the first colon. An
// entry without a colon has neither.
struct DefinitionEntry {
    QString name;
    QString type;
};
DefinitionEntry SplitDefinitionEntry(const QString& value);
