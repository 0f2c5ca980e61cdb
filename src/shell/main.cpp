#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Tunewright"));
    label.setWindowTitle(QStringLiteral("Tunewright"));
    label.show();
    return app.exec();
}
