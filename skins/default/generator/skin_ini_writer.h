#pragma once

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <deque>
#include <utility>
#include <vector>

// One section of the definition text, keys kept in the order they were set.
class IniSection {
public:
    explicit IniSection(QString name);

    const QString& Name() const { return m_name; }

    IniSection& Set(const QString& key, const QString& value);
    IniSection& Set(const QString& key, const char* value) { return Set(key, QString::fromLatin1(value)); }
    IniSection& Set(const QString& key, int value);
    IniSection& SetBool(const QString& key, bool value);
    // Written as left, top, right, bottom with right and bottom exclusive.
    IniSection& SetRect(const QString& key, const QRect& rect);
    IniSection& SetPoint(const QString& key, const QPoint& point);
    // Written as the decimal of 0x00BBGGRR.
    IniSection& SetColor(const QString& key, QColor color);

    QByteArray ToBytes() const;

private:
    QString m_name;
    std::vector<std::pair<QString, QString>> m_entries;
};

// The whole definition text: the fixed sections first, then one section per
// frame object and per control, in the order they were registered.
class SkinIniWriter {
public:
    IniSection& Section(const QString& name);
    IniSection& AddObject(const QString& name, const QString& type);
    IniSection& AddControl(const QString& name, const QString& type);

    // Lines end with CR LF, the last one too.
    QByteArray ToBytes() const;

private:
    IniSection* Find(const QString& name);

    std::deque<IniSection> m_sections;
    std::vector<QString> m_objects;
    std::vector<QString> m_controls;
};
