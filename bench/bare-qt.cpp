// The floor for any Qt program: one window showing one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label("Helmsway");
    label.setWindowTitle("Bare Qt");
    label.show();
    return QApplication::exec();
}
