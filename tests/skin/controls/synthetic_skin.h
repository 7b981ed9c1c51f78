#pragma once

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

// A skin written and loaded inside a test: one picture (active picture 0)
// and the control definitions given as "name:type" with their keys, so a
// failing check can name the pixel of the picture it came from.
class SyntheticSkin {
public:
    struct Control {
        QString name;
        QString type;
        QString keys;
    };

    SyntheticSkin(const QImage& picture, const QList<Control>& controls)
    {
        const QString folder = m_folder.path();
        picture.convertToFormat(QImage::Format_RGB32).save(folder + QStringLiteral("/controls.bmp"), "BMP");
        QString text = QStringLiteral(
            "[VERSION]\nskinname=test\n"
            "[PICTURES]\npicture=\ninactivepicture=\nmask=\nactivepicturescount=1\n0=controls.bmp\n"
            "[FORMINFO]\nborderwidth=4\n"
            "[SKINOBJECTS]\ncount=0\n"
            "[SKINCONTROLS]\n");
        text += QStringLiteral("count=%1\n").arg(controls.size());
        for (int i = 0; i < controls.size(); ++i)
            text += QStringLiteral("%1=%2:%3\n").arg(i).arg(controls[i].name, controls[i].type);
        for (const Control& control : controls)
            text += QStringLiteral("[%1]\n%2\n").arg(control.name, control.keys);
        QFile ini(folder + QStringLiteral("/skin.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(text.toLatin1());
        ini.close();
        m_stored.LoadFromSkinFile(ini.fileName());
        m_data.LoadCompressedStoredSkin(m_stored);
    }

    TbsSkinData* Data() { return &m_data; }

private:
    QTemporaryDir m_folder;
    TbsCompressedStoredSkin m_stored;
    TbsSkinData m_data;
};
