// Another program's window that starts a drag of the text it is given as soon as it is pressed: text
// dragged from elsewhere onto Tessivo. Usage: drag_source TEXT
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>

struct DragSource : QLabel {
    using QLabel::QLabel;
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        drag->setMimeData(new QMimeData);
        drag->mimeData()->setText(text());
        drag->exec(Qt::CopyAction);
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    DragSource source(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    source.setWindowTitle(QStringLiteral("Drag source"));
    source.setFixedSize(120, 60);  // a fixed size, so that a tiling compositor lets it float where it is put
    source.show();
    return QApplication::exec();
}
