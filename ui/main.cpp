// Entry: the application, its four windows, and its message loop.
#include <exception>

#include <QApplication>
#include <QMessageBox>

#include "Main.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    try {
        setupapplication();
        createwindows();
        cc->show();
        app.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), error.what());
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), "Unexpected error");
    }
    destroywindows();
    return 0;
}
