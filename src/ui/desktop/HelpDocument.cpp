#include "ui/desktop/HelpDocument.h"

#include <QDir>
#include <QFileInfo>

QString HelpDocumentPath(const QString& executableFolder) {
    const QDir folder(executableFolder);
    for (const QString& candidate :
         {folder.filePath(QStringLiteral("KelvroHelp.pdf")),
          folder.filePath(QStringLiteral("../share/doc/kelvro/KelvroHelp.pdf"))}) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}
