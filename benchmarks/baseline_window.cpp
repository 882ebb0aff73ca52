// The yardstick for start-up time and memory: a bare Qt Widgets window of the
// main window's size with a few line edits, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(392, 173);
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit(&window);
        edit->setGeometry(16 + 90 * i, 16, 80, 20);
    }
    window.show();
    return QApplication::exec();
}
