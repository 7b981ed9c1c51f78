#include "skin_ini_writer.h"

#include <QStringEncoder>
#include <stdexcept>

namespace {

QString DecimalColor(QColor color)
{
    const quint32 value = static_cast<quint32>(color.red()) | static_cast<quint32>(color.green()) << 8
        | static_cast<quint32>(color.blue()) << 16;
    return QString::number(value);
}

} // namespace

IniSection::IniSection(QString name)
    : m_name(std::move(name))
{
}

IniSection& IniSection::Set(const QString& key, const QString& value)
{
    const QString lowerKey = key.toLower();
    for (auto& entry : m_entries) {
        if (entry.first == lowerKey)
            throw std::logic_error("key set twice: [" + m_name.toStdString() + "] " + lowerKey.toStdString());
    }
    m_entries.emplace_back(lowerKey, value);
    return *this;
}

IniSection& IniSection::Set(const QString& key, int value) { return Set(key, QString::number(value)); }

IniSection& IniSection::SetBool(const QString& key, bool value) { return Set(key, value ? "1" : "0"); }

IniSection& IniSection::SetRect(const QString& key, const QRect& rect)
{
    return Set(key,
        QStringLiteral("%1,%2,%3,%4")
            .arg(rect.left())
            .arg(rect.top())
            .arg(rect.left() + rect.width())
            .arg(rect.top() + rect.height()));
}

IniSection& IniSection::SetPoint(const QString& key, const QPoint& point)
{
    return Set(key, QStringLiteral("%1,%2").arg(point.x()).arg(point.y()));
}

IniSection& IniSection::SetColor(const QString& key, QColor color) { return Set(key, DecimalColor(color)); }

QByteArray IniSection::ToBytes() const
{
    // Skin texts are read in code page 936, of which GB18030 is the superset
    // that Qt can write; ASCII comes out unchanged.
    QStringEncoder encoder("GB18030");
    if (!encoder.isValid())
        throw std::runtime_error("this Qt cannot write GB18030 text");
    QByteArray text = "[" + m_name.toLatin1() + "]\r\n";
    for (const auto& [key, value] : m_entries)
        text += key.toLatin1() + "=" + QByteArray(encoder.encode(value)) + "\r\n";
    return text;
}

IniSection* SkinIniWriter::Find(const QString& name)
{
    for (IniSection& section : m_sections) {
        if (section.Name() == name)
            return &section;
    }
    return nullptr;
}

IniSection& SkinIniWriter::Section(const QString& name)
{
    if (IniSection* existing = Find(name))
        return *existing;
    return m_sections.emplace_back(name);
}

IniSection& SkinIniWriter::AddObject(const QString& name, const QString& type)
{
    if (Find(name))
        throw std::logic_error("definition named twice: " + name.toStdString());
    m_objects.push_back(name + ":" + type);
    return m_sections.emplace_back(name);
}

IniSection& SkinIniWriter::AddControl(const QString& name, const QString& type)
{
    if (Find(name))
        throw std::logic_error("definition named twice: " + name.toStdString());
    m_controls.push_back(name + ":" + type);
    return m_sections.emplace_back(name);
}

QByteArray SkinIniWriter::ToBytes() const
{
    IniSection objects(QStringLiteral("SKINOBJECTS"));
    objects.Set("count", static_cast<int>(m_objects.size()));
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        objects.Set(QString::number(i), m_objects[i]);
    IniSection controls(QStringLiteral("SKINCONTROLS"));
    controls.Set("count", static_cast<int>(m_controls.size()));
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        controls.Set(QString::number(i), m_controls[i]);

    // The fixed sections come first and the definition lists right after
    // them, so that a reader of the text finds the table of contents before
    // the definitions.
    const QStringList fixed { "VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINCOLORS" };
    QByteArray text;
    for (const QString& name : fixed) {
        for (const IniSection& section : m_sections) {
            if (section.Name() == name)
                text += section.ToBytes() + "\r\n";
        }
    }
    text += objects.ToBytes() + "\r\n";
    text += controls.ToBytes() + "\r\n";
    for (const IniSection& section : m_sections) {
        if (!fixed.contains(section.Name()))
            text += section.ToBytes() + "\r\n";
    }
    return text;
}
