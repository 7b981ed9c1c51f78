#include "app/window/skin_file_option.h"

#include "app/window/form1.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"

#include <exception>

QString UseSkinFile(TForm1& form, const QString& path)
{
    auto* stored = new TbsCompressedStoredSkin(&form);
    stored->setObjectName(QStringLiteral("skinFromFile"));
    try {
        if (path.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive))
            stored->LoadFromSkinFile(path);
        else
            stored->LoadFromCompressedFile(path);
        form.bsSkinData1->SetCompressedStoredSkin(stored);
        return {};
    } catch (const std::exception& error) {
        delete stored;
        const QString reason = QString::fromUtf8(error.what());
        // A load that failed half-way left the skin cleared.
        if (form.bsSkinData1->Empty())
            form.bsSkinData1->SetCompressedStoredSkin(form.bsCompressedStoredSkin1);
        return reason.isEmpty() ? QStringLiteral("unknown error") : reason;
    }
}
