#include <QApplication>

#include "frm_farben.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessivo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00.0011"));
    frmFarben window;
    window.show();
    return QApplication::exec();
}
