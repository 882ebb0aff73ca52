#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "application.h"
#include "frm_farben.h"

int main(int /*argc*/, char* argv[]) {
    const auto application = tk::StartOnDisplay(argv[0]);
    QApplication::setApplicationName(QStringLiteral("Tessivo"));
    QApplication::setApplicationVersion(QStringLiteral(TESSIVO_FILE_VERSION));

    // The program speaks German, also in the toolkit's own texts (context menus).
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkitTexts);
    }

    frmFarben window;
    window.show();
    return QApplication::exec();
}
