// A bare window with seven tabs, linked with the browser engine like the program.
#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <QWebEngineView>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTabWidget onglets;
    for (int i = 0; i < 7; ++i)
        onglets.addTab(new QWidget, QStringLiteral("Page %1").arg(i));
    onglets.resize(696, 462);
    onglets.show();
    // Keeps the browser library linked in without creating a view.
    if (argc > 99)
        QWebEngineView vue;
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
