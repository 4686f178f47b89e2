#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

// The build prints the user guide beside the program, where "Programm-Hilfe" looks for it.
TEST(HelpDocument, IsACompletePdfOfSeveralPagesBesideTheProgram) {
    const QString path = QFileInfo(QStringLiteral(KELVRO_EXECUTABLE))
                             .dir()
                             .filePath(QStringLiteral("KelvroHelp.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // A document cut short lacks its closing trailer.
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    // Page objects only: "/Type /Pages" is the page tree.
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int pages = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(bytes)); it.hasNext(); it.next())
        ++pages;
    EXPECT_GT(pages, 3);
}
