#include "app/browser/property_chain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Each step is guarded: a getter that throws (a frame of another origin, for
// instance) is a step that cannot be performed, like a missing name.
constexpr char kScriptBody[] = R"JS(
(function (chains) {
  'use strict';
  function find(object, name) {
    if (name in object) return name;
    const wanted = name.toLowerCase();
    for (const key in object) {
      if (key.toLowerCase() === wanted) return key;
    }
    return null;
  }
  function setLegacyBodyProperty(object, name, value) {
    if (!(object instanceof HTMLBodyElement) || name.toLowerCase() !== 'scroll') return false;
    const text = String(value);
    object.setAttribute('scroll', text);
    const overflow = text.toLowerCase() === 'no' ? 'hidden' : '';
    object.style.overflow = overflow;
    const root = object.ownerDocument.documentElement;
    if (root && root !== object) root.style.overflow = overflow;
    return true;
  }
  const automation = { Document: document };
  for (const chain of chains) {
    let object = automation;
    for (const name of chain.reads) {
      let next = null;
      try {
        const key = find(object, name);
        next = key === null ? null : object[key];
      } catch (e) {
        next = null;
      }
      if (next === null || (typeof next !== 'object' && typeof next !== 'function')) return name;
      object = next;
    }
    try {
      if (setLegacyBodyProperty(object, chain.property, chain.value)) continue;
      const key = find(object, chain.property);
      if (key === null) return chain.property;
      object[key] = chain.value;
    } catch (e) {
      return chain.property;
    }
  }
  return '';
})
)JS";

} // namespace

QString PropertyChainScript(const QList<PropertyChain>& chains)
{
    QJsonArray list;
    for (const PropertyChain& chain : chains) {
        list.append(QJsonObject {
            { QStringLiteral("reads"), QJsonArray::fromStringList(chain.reads) },
            { QStringLiteral("property"), chain.property },
            { QStringLiteral("value"), QJsonValue::fromVariant(chain.value) },
        });
    }
    const QString arguments = QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
    return QString::fromLatin1(kScriptBody).trimmed() + QLatin1Char('(') + arguments + QLatin1Char(')');
}

QString UnsupportedMethodMessage(const QString& name)
{
    return QStringLiteral("Method '%1' not supported by automation object").arg(name);
}
