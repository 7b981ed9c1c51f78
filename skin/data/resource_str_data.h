#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The user-interface texts of skinned windows (menu captions, button hints,
// edit commands, ...), each entry written as name "=" text.
class TbsResourceStrData : public QObject {
    Q_OBJECT
public:
    explicit TbsResourceStrData(QObject* parent = nullptr);

    const QStringList& ResStrings() const { return m_resStrings; }
    void SetResStrings(const QStringList& value) { m_resStrings = value; }
    // A font character set number; 1 is the default character set.
    int CharSet() const { return m_charSet; }
    void SetCharSet(int value) { m_charSet = value; }

    // The text of the first entry whose name equals name without regard to
    // letter case; empty when there is none.
    QString GetResStr(const QString& name) const;

private:
    QStringList m_resStrings;
    int m_charSet { 1 };
};

// The program's own string table: the entries a new TbsResourceStrData starts
// with, for users of the texts that have no component attached.
const QStringList& DefaultResStrings();
QString DefaultResStr(const QString& name);
